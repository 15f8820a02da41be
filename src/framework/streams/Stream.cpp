#include "framework/streams/Stream.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"

#include <algorithm>
#include <array>

int64_t TStream::Remaining()
{
    return std::max<int64_t>(0, Size() - Position());
}

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count < 0 || Read(buffer, count) != count)
        throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count < 0 || Write(buffer, count) != count)
        throw EWriteError();
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::array<char, std::size_t { 64 } * 1024> chunk;
    int64_t left = count;
    while (left > 0) {
        const int64_t n = std::min<int64_t>(left, static_cast<int64_t>(chunk.size()));
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        left -= n;
    }
    return count;
}

int64_t TStream::SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size)
{
    int64_t base = 0;
    switch (origin) {
    case TSeekOrigin::soBeginning:
        break;
    case TSeekOrigin::soCurrent:
        base = position;
        break;
    case TSeekOrigin::soEnd:
        base = size;
        break;
    }
    if (offset < 0 ? base < -offset : false)
        throw EStreamError(LoadResString(SSeekBeforeStart));
    if (offset > 0 && base > INT64_MAX - offset)
        throw EStreamError(LoadResString(SSeekBeyondEnd));
    return base + offset;
}
