// Reading one language column of the translation table in one pass: the
// records are walked over the raw bytes (the image's own memory for a memory
// stream, a large reused buffer for a file), the column's texts go straight
// into the entry table's arena, UTF-16 through a per-code-page table of
// single-unit conversions.

#include "IvMLDFil.h"

#include "IvAMultiEntries.h"
#include "IvDictioPlatform.h"

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Stream.h"
#include "nls/Nls.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// UTF-16 to a code page, unit by unit, remembering each unit's bytes. A unit
// encodes alone exactly as inside a text as long as no surrogate pair is
// involved: texts holding a surrogate take the whole-text conversion.
class TUnitEncoder
{
public:
    explicit TUnitEncoder(int codePage)
        : m_codePage(codePage)
        , m_units(0x10000, kUnknown)
    { }

    void Append(std::string& out, const unsigned char* bytes, std::size_t count, bool littleEndian)
    {
        const std::size_t start = out.size();
        out.resize(start + count * 3);
        char* write = out.data() + start;
        for (std::size_t i = 0; i < count; ++i, bytes += 2) {
            const auto unit = static_cast<char16_t>(
                littleEndian ? bytes[0] | (bytes[1] << 8) : (bytes[0] << 8) | bytes[1]);
            std::uint32_t code = m_units[unit];
            if (code == kUnknown)
                code = m_units[unit] = Learn(unit);
            if (code == kWholeText) {
                out.resize(start);
                AppendWhole(out, bytes - 2 * i, count, littleEndian);
                return;
            }
            const unsigned length = code >> 24;
            for (unsigned b = 0; b < length; ++b)
                *write++ = static_cast<char>(code >> (8 * (length - 1 - b)));
        }
        out.resize(static_cast<std::size_t>(write - out.data()));
    }

private:
    static constexpr std::uint32_t kUnknown = 0;
    static constexpr std::uint32_t kWholeText = 0xFFFFFFFF;

    std::uint32_t Learn(char16_t unit) const
    {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            return kWholeText;
        const std::string bytes = WideToCodePage(std::u16string(1, unit), m_codePage);
        if (bytes.empty() || bytes.size() > 3)
            return kWholeText;
        std::uint32_t code = static_cast<std::uint32_t>(bytes.size()) << 24;
        for (unsigned char byte : bytes)
            code = (code & 0xFF000000u) | ((code << 8) & 0x00FFFFFFu) | byte;
        return code;
    }

    void AppendWhole(
        std::string& out, const unsigned char* bytes, std::size_t count, bool littleEndian) const
    {
        std::u16string units(count, u'\0');
        for (std::size_t i = 0; i < count; ++i)
            units[i] = static_cast<char16_t>(littleEndian ? bytes[2 * i] | (bytes[2 * i + 1] << 8)
                                                          : (bytes[2 * i] << 8) | bytes[2 * i + 1]);
        out += WideToCodePage(units, m_codePage);
    }

    int m_codePage;
    std::vector<std::uint32_t> m_units;
};

// One encoder per effective code page, per thread (the layer runs on one;
// the tables hold nothing another thread may race on).
TUnitEncoder& EncoderFor(int codePage)
{
    if (codePage == 0)
        codePage = tankora::ActiveAnsiCodePage();
    thread_local std::unordered_map<int, std::unique_ptr<TUnitEncoder>> encoders;
    auto& encoder = encoders[codePage];
    if (!encoder)
        encoder = std::make_unique<TUnitEncoder>(codePage);
    return *encoder;
}

// The bytes from the stream's position to its end, as a window that
// Need() slides: the memory of a memory stream itself, else a buffer refilled
// from the stream. A string is at most 2 * 65535 bytes, far below the buffer.
class TByteWindow
{
public:
    explicit TByteWindow(TStream& stream)
        : m_stream(stream)
    {
        if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&stream)) {
            const QByteArray& bytes = memory->Bytes();
            const std::int64_t position = std::min<std::int64_t>(stream.Position(), bytes.size());
            m_next = reinterpret_cast<const unsigned char*>(bytes.constData()) + position;
            m_end = reinterpret_cast<const unsigned char*>(bytes.constData()) + bytes.size();
            m_exhausted = true;
        } else {
            // Not value-initialised: every byte is read before it is looked at.
            m_buffer.reset(new unsigned char[kBufferSize]);
            m_next = m_end = m_buffer.get();
        }
    }

    // At least count bytes at Next(), or EReadError.
    void Need(std::size_t count)
    {
        if (static_cast<std::size_t>(m_end - m_next) < count)
            Refill(count);
    }
    const unsigned char* Next() const { return m_next; }
    void Advance(std::size_t count) { m_next += count; }

private:
    static constexpr std::size_t kBufferSize = 1 << 20;

    void Refill(std::size_t count)
    {
        if (m_exhausted)
            throw EReadError();
        const std::size_t kept = static_cast<std::size_t>(m_end - m_next);
        std::memmove(m_buffer.get(), m_next, kept);
        std::size_t filled = kept;
        while (filled < kBufferSize) {
            const std::int64_t got = m_stream.Read(
                m_buffer.get() + filled, static_cast<std::int64_t>(kBufferSize - filled));
            if (got <= 0) {
                m_exhausted = true;
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        m_next = m_buffer.get();
        m_end = m_buffer.get() + filled;
        if (filled < count)
            throw EReadError();
    }

    TStream& m_stream;
    std::unique_ptr<unsigned char[]> m_buffer;
    const unsigned char* m_next = nullptr;
    const unsigned char* m_end = nullptr;
    bool m_exhausted = false;
};

} // namespace

void TIvMLDFile::ReadColumn(TIvEntryTable& table, int column, int codePage)
{
    const int columns = LanguageCount();
    const int count = TranslationCount();
    SeekTranslations();
    if (count > 0 && (column < 0 || (column > 0 && column >= columns)))
        throw ERangeError();

    // The arena gets the native texts, the contexts and one column: about
    // that share of the table's bytes, reserved once instead of grown.
    const int contexts = (HasContext() ? 1 : 0) + (HasSubContext() ? 1 : 0);
    const std::int64_t tableBytes = std::max<std::int64_t>(0, m_streamSize - Stream().Position());
    const auto share = static_cast<std::size_t>(tableBytes / std::max(1, columns + contexts));
    table.Reserve(static_cast<std::size_t>(std::max(0, count)),
        share * static_cast<std::size_t>(1 + contexts + (column > 0 ? 1 : 0))
            / (m_header.AnsiStrings ? 1 : 2));

    TByteWindow window(Stream());
    const bool littleEndian = m_header.LittleEndian != 0;
    const bool ansi = m_header.AnsiStrings != 0;
    const std::size_t charSize = ansi ? 1 : 2;
    TUnitEncoder* nativeEncoder = ansi ? nullptr : &EncoderFor(0);
    TUnitEncoder* columnEncoder = ansi ? nullptr : &EncoderFor(codePage);
    std::string& arena = table.Arena();

    // The next counted string: its length in characters, then the bytes in window.
    auto take = [&]() -> std::size_t {
        window.Need(2);
        const unsigned char* p = window.Next();
        const std::size_t length = littleEndian ? p[0] | (p[1] << 8) : (p[0] << 8) | p[1];
        const std::size_t bytes = length * charSize;
        window.Need(2 + bytes);
        window.Advance(2);
        return length;
    };
    auto append = [&](TUnitEncoder* encoder) {
        const std::size_t length = take();
        if (ansi)
            arena.append(reinterpret_cast<const char*>(window.Next()), length);
        else if (length > 0)
            encoder->Append(arena, window.Next(), length, littleEndian);
        window.Advance(length * charSize);
        table.EndText();
    };
    auto skip = [&] { window.Advance(take() * charSize); };

    for (int record = 0; record < count; ++record) {
        table.StartEntry();
        const std::size_t nativeStart = arena.size();
        append(nativeEncoder);
        const std::size_t nativeLength = arena.size() - nativeStart - 1; // the separator follows
        if (HasContext())
            append(nativeEncoder);
        else
            table.EndText();
        if (HasSubContext())
            append(nativeEncoder);
        else
            table.EndText();
        for (int i = 1; i < columns; ++i) {
            if (i == column)
                append(columnEncoder);
            else
                skip();
        }
        if (column == 0) {
            arena.append(arena, nativeStart, nativeLength);
            table.EndText();
        }
    }
}
