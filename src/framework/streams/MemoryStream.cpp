#include "framework/streams/MemoryStream.h"

#include <algorithm>
#include <cstring>

int64_t TCustomMemoryStream::Read(void* buffer, int64_t count)
{
    const int64_t available = std::max<int64_t>(0, m_bytes.size() - m_position);
    const int64_t n = std::clamp<int64_t>(count, 0, available);
    if (n > 0)
        std::memcpy(buffer, m_bytes.constData() + m_position, static_cast<size_t>(n));
    m_position += n;
    return n;
}

int64_t TCustomMemoryStream::Write(const void*, int64_t)
{
    return 0;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    m_position = SeekTarget(offset, origin, m_position, m_bytes.size());
    return m_position;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    const int64_t end = m_position + count;
    if (end > m_bytes.size())
        SetSize(end);
    std::memcpy(m_bytes.data() + m_position, buffer, static_cast<size_t>(count));
    m_position = end;
    return count;
}

void TMemoryStream::SetSize(int64_t size)
{
    const int64_t old = m_bytes.size();
    m_bytes.resize(size);
    if (size > old)
        std::memset(m_bytes.data() + old, 0, static_cast<size_t>(size - old));
    m_position = std::min(m_position, size);
}

void TMemoryStream::Clear()
{
    m_bytes.clear();
    m_position = 0;
}
