// Reading one language column of the translation table in one pass: the
// records are walked over the raw bytes (the image's own memory for a memory
// stream, a large reused buffer for a file), the column's texts go straight
// into the entry table's arena, UTF-16 through a per-code-page table of
// single-unit conversions.

#include "l10n/mld/MldFile.h"

#include "l10n/dictionary/EntryTable.h"
#include "l10n/dictionary/NlsServices.h"

#include "framework/core/Exceptions.h"
#include "framework/streams/MemoryStream.h"
#include "framework/streams/Stream.h"
#include "nls/Nls.h"

#include <algorithm>
#include <bit>
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

    // Appends the count units at bytes, converted, to the text being written.
    void Append(
        TIvEntryTable& table, const unsigned char* bytes, std::size_t count, bool littleEndian)
    {
        // Three bytes a unit at most, and one more for the four-byte store.
        table.MakeRoom(count * 3 + 1);
        char* const start = table.Text();
        char* write = start;
        // A local copy: stores through write may alias the vector's own fields.
        std::uint32_t* const units = m_units.data();
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned char* unitBytes = bytes + 2 * i;
            const auto unit
                = static_cast<char16_t>(littleEndian ? unitBytes[0] | (unitBytes[1] << 8)
                                                     : (unitBytes[0] << 8) | unitBytes[1]);
            std::uint32_t code = units[unit];
            if (code == kUnknown || code == kWholeText) {
                if (code == kUnknown)
                    code = units[unit] = Learn(unit);
                if (code == kWholeText) {
                    AppendWhole(table, bytes, count, littleEndian);
                    return;
                }
            }
            if constexpr (std::endian::native == std::endian::little) {
                std::memcpy(write, &code, 4); // the bytes, then the count: overwritten next
            } else {
                for (unsigned b = 0; b < (code >> 24); ++b)
                    write[b] = static_cast<char>(code >> (8 * b));
            }
            write += code >> 24;
        }
        table.Commit(static_cast<std::size_t>(write - start));
    }

private:
    static constexpr std::uint32_t kUnknown = 0;
    static constexpr std::uint32_t kWholeText = 0xFFFFFFFF;

    // The unit's bytes, first byte lowest, with their count in the top byte.
    std::uint32_t Learn(char16_t unit) const
    {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            return kWholeText;
        const std::string bytes = WideToCodePage(std::u16string(1, unit), m_codePage);
        if (bytes.empty() || bytes.size() > 3)
            return kWholeText;
        std::uint32_t code = static_cast<std::uint32_t>(bytes.size()) << 24;
        for (std::size_t b = 0; b < bytes.size(); ++b)
            code |= std::uint32_t { static_cast<unsigned char>(bytes[b]) } << (8 * b);
        return code;
    }

    void AppendWhole(TIvEntryTable& table, const unsigned char* bytes, std::size_t count,
        bool littleEndian) const
    {
        std::u16string units(count, u'\0');
        for (std::size_t i = 0; i < count; ++i)
            units[i] = static_cast<char16_t>(littleEndian ? bytes[2 * i] | (bytes[2 * i + 1] << 8)
                                                          : (bytes[2 * i] << 8) | bytes[2 * i + 1]);
        const std::string text = WideToCodePage(units, m_codePage);
        table.MakeRoom(text.size());
        if (!text.empty())
            std::memcpy(table.Text(), text.data(), text.size());
        table.Commit(text.size());
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

// The bytes from the stream's position to its end, as a window that Refill
// slides: the memory of a memory stream itself, else a buffer refilled from
// the stream. A string is at most 2 * 65535 bytes, far below the buffer.
class TByteWindow
{
public:
    explicit TByteWindow(TStream& stream)
        : m_stream(stream)
    {
        if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&stream)) {
            const QByteArray& bytes = memory->Bytes();
            const std::int64_t position = std::min<std::int64_t>(stream.Position(), bytes.size());
            m_begin = reinterpret_cast<const unsigned char*>(bytes.constData()) + position;
            m_end = reinterpret_cast<const unsigned char*>(bytes.constData()) + bytes.size();
            m_exhausted = true;
        } else {
            // Not value-initialised: every byte is read before it is looked at.
            m_buffer.reset(new unsigned char[kBufferSize]);
            m_begin = m_end = m_buffer.get();
        }
    }

    const unsigned char* Begin() const { return m_begin; }
    const unsigned char* End() const { return m_end; }

    // At least count bytes from at (inside the window) on: where they are
    // now, up to End(). EReadError when the stream ends first.
    const unsigned char* Refill(const unsigned char* at, std::size_t count)
    {
        if (m_exhausted)
            throw EReadError();
        const std::size_t kept = static_cast<std::size_t>(m_end - at);
        std::memmove(m_buffer.get(), at, kept);
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
        m_begin = m_buffer.get();
        m_end = m_buffer.get() + filled;
        if (filled < count)
            throw EReadError();
        return m_begin;
    }

private:
    static constexpr std::size_t kBufferSize = 1 << 20;

    TStream& m_stream;
    std::unique_ptr<unsigned char[]> m_buffer;
    const unsigned char* m_begin = nullptr;
    const unsigned char* m_end = nullptr;
    bool m_exhausted = false;
};

// What one walk over the translation records needs.
struct TColumnWalk
{
    int Count; // records
    int Columns;
    int Column;
    bool HasContext;
    bool HasSubContext;
    TUnitEncoder* NativeEncoder; // null for 8-bit strings
    TUnitEncoder* ColumnEncoder;
};

// Every record into table. CharSize: 1 for 8-bit strings, 2 for UTF-16.
// The position is kept in locals (not in the window) so that the stores
// into the arena do not make the compiler reload it.
template <std::size_t CharSize, bool LittleEndian>
void WalkRecords(const TColumnWalk& walk, TByteWindow& window, TIvEntryTable& table)
{
    // Farther than this from the window's end, a string (length word and
    // characters) lies inside the window whatever its length says.
    constexpr std::size_t kLongestString = 2 + 0xFFFF * CharSize;
    const unsigned char* p = window.Begin();
    const unsigned char* end = window.End();
    const auto lengthAt = [](const unsigned char* at) -> std::size_t {
        return LittleEndian ? at[0] | (at[1] << 8) : (at[0] << 8) | at[1];
    };
    const auto need = [&](std::size_t count) {
        if (static_cast<std::size_t>(end - p) < count) {
            p = window.Refill(p, count);
            end = window.End();
        }
    };
    // The next counted string: its length in characters; p is then at its bytes.
    const auto take = [&]() -> std::size_t {
        if (static_cast<std::size_t>(end - p) < kLongestString) {
            need(2);
            need(2 + lengthAt(p) * CharSize);
        }
        const std::size_t length = lengthAt(p);
        p += 2;
        return length;
    };
    const auto copy = [&](TUnitEncoder* encoder) {
        const std::size_t length = take();
        if constexpr (CharSize == 1) {
            // Short texts (most) are moved as 16 bytes: one move, no call.
            constexpr std::size_t kShort = 16;
            table.MakeRoom(std::max(length, kShort));
            if (length <= kShort && static_cast<std::size_t>(end - p) >= kShort)
                std::memcpy(table.Text(), p, kShort);
            else if (length > 0)
                std::memcpy(table.Text(), p, length);
            table.Commit(length);
        } else if (length > 0) {
            encoder->Append(table, p, length, LittleEndian);
        }
        p += length * CharSize;
    };
    const auto skip = [&](int strings) {
        for (int i = 0; i < strings; ++i) {
            const std::size_t length = take();
            p += length * CharSize;
        }
    };

    for (int record = 0; record < walk.Count; ++record) {
        table.OpenEntry();
        copy(walk.NativeEncoder);
        table.EndNative();
        if (walk.HasContext)
            copy(walk.NativeEncoder);
        table.EndContext();
        if (walk.HasSubContext)
            copy(walk.NativeEncoder);
        table.EndSubContext();
        if (walk.Column == 0) {
            skip(walk.Columns - 1);
            table.CloseEntryAsNative();
        } else {
            skip(walk.Column - 1);
            copy(walk.ColumnEncoder);
            skip(walk.Columns - 1 - walk.Column);
            table.CloseEntry();
        }
    }
}

} // namespace

void TIvMLDFile::ReadColumn(TIvEntryTable& table, int column, int codePage)
{
    const int columns = LanguageCount();
    const int count = TranslationCount();
    SeekTranslations();
    if (count > 0 && (column < 0 || (column > 0 && column >= columns)))
        throw ERangeError();

    const bool hasContext = HasContext();
    const bool hasSubContext = HasSubContext();
    const bool ansi = m_header.AnsiStrings != 0;
    const std::size_t charSize = ansi ? 1 : 2;

    // The arena gets the native texts, the contexts and one column: about
    // that share of the table's characters (its length words left out),
    // reserved once with an eighth to spare; the spare is given back in place
    // after the load. Bounded by the image's size, whatever the counts say.
    const int kinds = std::max(1, columns + (hasContext ? 1 : 0) + (hasSubContext ? 1 : 0));
    const int kept = 1 + (hasContext ? 1 : 0) + (hasSubContext ? 1 : 0) + (column > 0 ? 1 : 0);
    const std::int64_t tableBytes = std::max<std::int64_t>(0, m_streamSize - Stream().Position());
    const std::int64_t characters
        = std::max<std::int64_t>(0, tableBytes - std::int64_t { 2 } * count * kinds)
        / static_cast<std::int64_t>(charSize);
    const auto estimate = static_cast<std::size_t>(characters / kinds * kept);
    table.Reserve(static_cast<std::size_t>(std::max(0, count)), estimate + estimate / 8);

    TByteWindow window(Stream());
    const TColumnWalk walk { count, columns, column, hasContext, hasSubContext,
        ansi ? nullptr : &EncoderFor(0), ansi ? nullptr : &EncoderFor(codePage) };
    const bool littleEndian = m_header.LittleEndian != 0;
    if (ansi && littleEndian)
        WalkRecords<1, true>(walk, window, table);
    else if (ansi)
        WalkRecords<1, false>(walk, window, table);
    else if (littleEndian)
        WalkRecords<2, true>(walk, window, table);
    else
        WalkRecords<2, false>(walk, window, table);
}
