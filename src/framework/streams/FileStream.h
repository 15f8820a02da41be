// A stream over a file on disk. Small reads are served from a read buffer,
// so a reader that fetches a byte or a word at a time makes no system call
// per read.
#pragma once

#include "framework/streams/Stream.h"

#include <string>
#include <vector>

class TFileStream : public TStream
{
public:
    enum class TMode {
        fmOpenRead, // existing file, read-only; other readers and writers are not locked out
        fmCreate // created or truncated, read-write
    };

    // Opens fileName (8-bit path, taken as given). fmOpenRead failing raises
    // EFOpenError "Cannot open file <fileName>"; fmCreate failing raises
    // EFCreateError "Cannot create file <fileName>".
    TFileStream(const std::string& fileName, TMode mode = TMode::fmOpenRead);
    ~TFileStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;

    const std::string& FileName() const { return m_fileName; }

private:
    bool Fill();

    std::string m_fileName;
    int m_fd = -1;
    int64_t m_position = 0;
    // The buffer holds the file bytes [m_bufferStart, m_bufferStart + m_buffer.size()).
    std::vector<char> m_buffer;
    int64_t m_bufferStart = 0;
};
