// Streams over bytes in memory.
#pragma once

#include "framework/streams/Stream.h"

#include <QByteArray>

// A read-only stream over a byte array (which may be a view of memory that
// outlives the stream, e.g. a Qt resource). Writing raises EWriteError.
class TCustomMemoryStream : public TStream
{
public:
    explicit TCustomMemoryStream(QByteArray bytes = {})
        : m_bytes(std::move(bytes))
    { }

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return m_bytes.size(); }

    const QByteArray& Bytes() const { return m_bytes; }

protected:
    QByteArray m_bytes;
    int64_t m_position = 0;
};

// A growable read-write stream owning its bytes. Writing past the end
// extends it; a gap left by a seek past the end is filled with zeros.
class TMemoryStream : public TCustomMemoryStream
{
public:
    using TCustomMemoryStream::TCustomMemoryStream;

    int64_t Write(const void* buffer, int64_t count) override;
    void SetSize(int64_t size);
    void Clear();
};
