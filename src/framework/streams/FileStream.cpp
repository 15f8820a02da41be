#include "framework/streams/FileStream.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int64_t kBufferSize = int64_t { 64 } * 1024;
}

TFileStream::TFileStream(const std::string& fileName, TMode mode)
    : m_fileName(fileName)
{
    if (mode == TMode::fmOpenRead) {
        m_fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info
        { };
        // A directory opens read-only on Linux but is no file to read.
        if (m_fd >= 0 && (::fstat(m_fd, &info) != 0 || S_ISDIR(info.st_mode))) {
            ::close(m_fd);
            m_fd = -1;
        }
        if (m_fd < 0)
            throw EFOpenError(fileName);
    } else {
        m_fd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (m_fd < 0)
            throw EFCreateError(fileName);
    }
}

TFileStream::~TFileStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TFileStream::Fill()
{
    m_buffer.resize(kBufferSize);
    ssize_t n;
    do {
        n = ::pread(m_fd, m_buffer.data(), kBufferSize, m_position);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        throw EReadError();
    m_buffer.resize(static_cast<size_t>(n));
    m_bufferStart = m_position;
    return n > 0;
}

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    auto* out = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const int64_t bufferEnd = m_bufferStart + static_cast<int64_t>(m_buffer.size());
        if (m_position < m_bufferStart || m_position >= bufferEnd) {
            // A read of a buffer or more goes straight to its target: copying
            // it through the buffer would only cost a second copy.
            if (count - done >= kBufferSize) {
                const ssize_t n
                    = ::pread(m_fd, out + done, static_cast<size_t>(count - done), m_position);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0)
                    throw EReadError();
                if (n == 0)
                    break;
                done += n;
                m_position += n;
                continue;
            }
            if (!Fill())
                break;
            continue;
        }
        const int64_t n = std::min(count - done, bufferEnd - m_position);
        std::memcpy(
            out + done, m_buffer.data() + (m_position - m_bufferStart), static_cast<size_t>(n));
        done += n;
        m_position += n;
    }
    return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    m_buffer.clear(); // the buffered bytes may be overwritten
    const auto* in = static_cast<const char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(m_fd, in + done, static_cast<size_t>(count - done), m_position);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
        m_position += n;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    m_position = SeekTarget(offset, origin, m_position, origin == TSeekOrigin::soEnd ? Size() : 0);
    return m_position;
}

int64_t TFileStream::Size()
{
    struct stat info
    { };
    if (::fstat(m_fd, &info) != 0)
        throw EStreamError(FormatResString(SFileSizeError, m_fileName));
    return info.st_size;
}
