// The seekable byte stream that every reader of the platform and the
// localization layer works on. Concrete streams: TMemoryStream (owned bytes),
// TFileStream (a buffered file), TResourceStream (a Qt resource).
#pragma once

#include <cstdint>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream
{
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Reads up to count bytes at the position into buffer and advances by
    // the number read, which is returned (0 at the end). Never throws for a
    // short read.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    // Writes count bytes at the position; returns the number written.
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Moves the position; returns the new position. A target before the
    // start raises EStreamError; a target past the end is allowed (reads
    // there return 0 bytes).
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    // Bytes between the position and the end (0 when past the end).
    int64_t Remaining();

    // Reads exactly count bytes or raises EReadError "Stream read error".
    // The position after a failed read is unspecified.
    void ReadBuffer(void* buffer, int64_t count);
    // Writes exactly count bytes or raises EWriteError "Stream write error".
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies count bytes (all from position 0 when count is 0) from source
    // to this stream; returns the number copied. Short source: EReadError.
    int64_t CopyFrom(TStream& source, int64_t count);

protected:
    // The new absolute position for a Seek, checked against the start.
    static int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size);
};
