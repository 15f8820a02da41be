// Reading one language column of the translation table in one pass: the
// records are walked over the raw bytes (the image's own memory for a memory
// stream, a reused buffer for a file). 8-bit texts of an image whose kept
// texts are most of it are referenced where they lie (the table holds the
// image); otherwise the column's texts go straight into the entry table's
// arena, UTF-16 through a per-code-page table of single-unit conversions
// with a fast path for ASCII.

#include "l10n/mld/MldFile.h"

#include "l10n/dictionary/EntryTable.h"
#include "l10n/dictionary/NlsServices_p.h"
#include "l10n/dictionary/RecycledBlocks.h"

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

// Kept texts at least this share of the records' bytes: referenced, not copied.
constexpr double kReferencedShare = 2.0 / 3.0;

// UTF-16 to a code page, unit by unit, remembering each unit's bytes. A unit
// encodes alone exactly as inside a text as long as no surrogate pair is
// involved: texts holding a surrogate take the whole-text conversion.
class TUnitEncoder
{
public:
    explicit TUnitEncoder(int codePage)
        : m_codePage(codePage)
        , m_units(0x10000, kUnknown)
    {
        // Whether the code page keeps every ASCII character as its own byte.
        m_asciiSame = true;
        for (char16_t unit = 0; unit < 0x80 && m_asciiSame; ++unit) {
            m_units[unit] = Learn(unit);
            m_asciiSame = m_units[unit] == ((1u << 24) | unit);
        }
    }

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
        std::size_t i = 0;
        if (m_asciiSame) {
            // Runs of 4 ASCII units: their low bytes, the table not consulted.
            const std::size_t low = littleEndian ? 0 : 1;
            const std::uint64_t nonAscii = littleEndian ? m_nonAsciiLittle : m_nonAsciiBig;
            for (; i + 4 <= count; i += 4) {
                std::uint64_t four;
                std::memcpy(&four, bytes + 2 * i, 8);
                if ((four & nonAscii) != 0)
                    break;
                for (std::size_t k = 0; k < 4; ++k)
                    write[k] = static_cast<char>(bytes[2 * (i + k) + low]);
                write += 4;
            }
        }
        for (; i < count; ++i) {
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
    // The bits of four UTF-16 units (8 bytes as loaded) that make one of them
    // not ASCII: the high byte, and bit 7 of the low byte.
    static std::uint64_t NonAsciiMask(bool littleEndian)
    {
        const unsigned char low = 0x80, high = 0xFF;
        const unsigned char pair[2] = { littleEndian ? low : high, littleEndian ? high : low };
        unsigned char bytes[8];
        for (int k = 0; k < 8; ++k)
            bytes[k] = pair[k % 2];
        std::uint64_t mask;
        std::memcpy(&mask, bytes, 8);
        return mask;
    }

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
    bool m_asciiSame = false;
    std::uint64_t m_nonAsciiLittle = NonAsciiMask(true);
    std::uint64_t m_nonAsciiBig = NonAsciiMask(false);
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
            m_memory = bytes; // shared, not copied
            m_begin = reinterpret_cast<const unsigned char*>(m_memory.constData()) + position;
            m_end = reinterpret_cast<const unsigned char*>(m_memory.constData()) + m_memory.size();
            m_exhausted = true;
        } else {
            // Not cleared: every byte is read before it is looked at.
            m_buffer = static_cast<unsigned char*>(tankora::recycled::Acquire(kBufferSize));
            m_begin = m_end = m_buffer;
        }
    }
    ~TByteWindow() { tankora::recycled::Release(m_buffer, kBufferSize); }
    TByteWindow(const TByteWindow&) = delete;
    TByteWindow& operator=(const TByteWindow&) = delete;

    const unsigned char* Begin() const { return m_begin; }
    const unsigned char* End() const { return m_end; }
    bool Exhausted() const { return m_exhausted; }

    // At least count bytes from at (inside the window) on: where they are
    // now, up to End(). EReadError when the stream ends first.
    const unsigned char* Refill(const unsigned char* at, std::size_t count)
    {
        if (m_exhausted)
            throw EReadError();
        const std::size_t kept = static_cast<std::size_t>(m_end - at);
        std::memmove(m_buffer, at, kept);
        const std::size_t filled = kept + ReadInto(m_buffer + kept, kBufferSize - kept);
        m_exhausted = m_exhausted || filled < kBufferSize;
        m_begin = m_buffer;
        m_end = m_buffer + filled;
        if (filled < count)
            throw EReadError();
        return m_begin;
    }

    // Everything from Begin() to the stream's end in one piece the caller
    // may keep: the memory stream's bytes, or a block read whole.
    TIvImageBytes Whole(bool bigEndian)
    {
        TIvImageBytes image;
        image.BigEndian = bigEndian;
        if (!m_buffer) {
            image.Owner = std::make_shared<QByteArray>(m_memory);
            image.Data = reinterpret_cast<const char*>(m_begin);
            image.Size = static_cast<std::size_t>(m_end - m_begin);
            return image;
        }
        const std::size_t inWindow = static_cast<std::size_t>(m_end - m_begin);
        const std::int64_t left
            = m_exhausted ? 0 : std::max<std::int64_t>(0, m_stream.Size() - m_stream.Position());
        std::size_t capacity = inWindow + static_cast<std::size_t>(left);
        auto* block
            = static_cast<char*>(tankora::recycled::Acquire(std::max<std::size_t>(capacity, 1)));
        std::shared_ptr<char> owner(block, [capacity](char* p) {
            tankora::recycled::Release(p, std::max<std::size_t>(capacity, 1));
        });
        std::memcpy(block, m_begin, inWindow);
        const std::size_t size = inWindow
            + (m_exhausted ? 0
                           : ReadInto(reinterpret_cast<unsigned char*>(block) + inWindow,
                               capacity - inWindow));
        image.Owner = std::move(owner);
        image.Data = block;
        image.Size = size;
        return image;
    }

private:
    static constexpr std::size_t kBufferSize = 1 << 20;

    std::size_t ReadInto(unsigned char* at, std::size_t room)
    {
        std::size_t filled = 0;
        while (filled < room) {
            const std::int64_t got
                = m_stream.Read(at + filled, static_cast<std::int64_t>(room - filled));
            if (got <= 0) {
                m_exhausted = true;
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        return filled;
    }

    TStream& m_stream;
    QByteArray m_memory;
    unsigned char* m_buffer = nullptr;
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

// The share of the bytes of the records wholly inside [p, end) that the
// column's entries keep (native text and translation); -1 when none is.
template <bool LittleEndian>
double KeptShare(const TColumnWalk& walk, const unsigned char* p, const unsigned char* end)
{
    const unsigned char* const start = p;
    std::size_t kept = 0, keptBeforeRecord = 0;
    const unsigned char* recordEnd = p;
    for (int record = 0; record < walk.Count; ++record) {
        for (int string = 0; string < std::max(1, walk.Columns); ++string) {
            if (end - p < 2)
                goto done;
            const std::size_t length = LittleEndian ? p[0] | (p[1] << 8) : (p[0] << 8) | p[1];
            if (static_cast<std::size_t>(end - p) < 2 + length)
                goto done;
            if (string == 0 || string == walk.Column)
                kept += length;
            p += 2 + length;
        }
        keptBeforeRecord = kept;
        recordEnd = p;
    }
done:
    if (recordEnd == start)
        return -1;
    return static_cast<double>(keptBeforeRecord) / static_cast<double>(recordEnd - start);
}

// Every record into table as references into image (8-bit texts, no
// contexts). Returns the bytes of the distinct texts kept.
template <bool LittleEndian>
std::size_t ReferenceRecords(
    const TColumnWalk& walk, const TIvImageBytes& image, TIvEntryTable& table)
{
    const auto* const base = reinterpret_cast<const unsigned char*>(image.Data);
    const unsigned char* p = base;
    const unsigned char* const end = base + image.Size;
    std::size_t kept = 0;
    // The next counted string's offset; p then past it.
    const auto take = [&]() {
        if (end - p < 2)
            throw EReadError();
        const std::size_t length = LittleEndian ? p[0] | (p[1] << 8) : (p[0] << 8) | p[1];
        if (static_cast<std::size_t>(end - p) < 2 + length)
            throw EReadError();
        const auto offset = static_cast<std::uint32_t>(p - base);
        p += 2 + length;
        return std::pair { offset, length };
    };
    for (int record = 0; record < walk.Count; ++record) {
        const auto [native, nativeLength] = take();
        std::uint32_t translation = native;
        kept += nativeLength;
        for (int column = 1; column < walk.Columns; ++column) {
            const auto [offset, length] = take();
            if (column == walk.Column) {
                translation = offset;
                kept += length;
            }
        }
        table.AppendReference(native, translation);
    }
    return kept;
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

    const std::int64_t translationsStart = Stream().Position();

    TByteWindow window(Stream());
    const TColumnWalk walk { count, columns, column, hasContext, hasSubContext,
        ansi ? nullptr : &EncoderFor(0), ansi ? nullptr : &EncoderFor(codePage) };
    const bool littleEndian = m_header.LittleEndian != 0;

    // 8-bit texts without contexts are referenced where they lie when the
    // kept texts are most of the image (judged on the records of the first
    // window), so that holding the image costs little more than copies.
    if (ansi && !hasContext && !hasSubContext && count > 0 && table.Empty()) {
        if (!window.Exhausted())
            window.Refill(window.Begin(), 0);
        const double share = littleEndian ? KeptShare<true>(walk, window.Begin(), window.End())
                                          : KeptShare<false>(walk, window.Begin(), window.End());
        if (share >= kReferencedShare) {
            table.ReferenceImage(window.Whole(!littleEndian));
            table.Reserve(static_cast<std::size_t>(count), 0);
            const TIvImageBytes& image = table.Image();
            const std::size_t kept = littleEndian ? ReferenceRecords<true>(walk, image, table)
                                                  : ReferenceRecords<false>(walk, image, table);
            // The sample misjudged the image: copies hold less.
            if (static_cast<double>(kept) < kReferencedShare * static_cast<double>(image.Size))
                table.CopyReferencedTexts();
            return;
        }
    }

    // The arena gets the native texts, the contexts and one column: about
    // that share of the table's characters (its length words left out),
    // reserved once with an eighth to spare; the spare is given back
    // after the load. Bounded by the image's size, whatever the counts say.
    const int kinds = std::max(1, columns + (hasContext ? 1 : 0) + (hasSubContext ? 1 : 0));
    const int kept = 1 + (hasContext ? 1 : 0) + (hasSubContext ? 1 : 0) + (column > 0 ? 1 : 0);
    const std::int64_t tableBytes = std::max<std::int64_t>(0, m_streamSize - translationsStart);
    const std::int64_t characters
        = std::max<std::int64_t>(0, tableBytes - std::int64_t { 2 } * count * kinds)
        / static_cast<std::int64_t>(charSize);
    const auto estimate = static_cast<std::size_t>(characters / kinds * kept);
    table.Reserve(static_cast<std::size_t>(std::max(0, count)), estimate + estimate / 8);

    if (ansi && littleEndian)
        WalkRecords<1, true>(walk, window, table);
    else if (ansi)
        WalkRecords<1, false>(walk, window, table);
    else if (littleEndian)
        WalkRecords<2, true>(walk, window, table);
    else
        WalkRecords<2, false>(walk, window, table);
}
