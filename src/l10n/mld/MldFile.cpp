#include "l10n/mld/MldFile.h"

#include "l10n/dictionary/NlsServices_p.h"

#include "framework/core/Exceptions.h"
#include "framework/streams/FileStream.h"
#include "framework/streams/Stream.h"
#include "nls/ByteOrder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Strings up to this many bytes are allocated before the read checks them.
constexpr std::int64_t kUncheckedStringBytes = 256;

tankora::ByteOrder OrderOf(bool littleEndian)
{
    return littleEndian ? tankora::ByteOrder::LittleEndian : tankora::ByteOrder::BigEndian;
}

std::uint16_t Word(const unsigned char* p, bool littleEndian)
{
    return tankora::LoadInteger<std::uint16_t>(p, OrderOf(littleEndian));
}

std::uint32_t DWord(const unsigned char* p, bool littleEndian)
{
    return tankora::LoadInteger<std::uint32_t>(p, OrderOf(littleEndian));
}

} // namespace

TIvMLDFile::TIvMLDFile() = default;
TIvMLDFile::~TIvMLDFile() = default;

void TIvMLDFile::OpenFile(const std::string& fileName)
{
    AttachStream(std::make_unique<TFileStream>(fileName, TFileStream::TMode::fmOpenRead));
    ReadHeader();
    LanguageAt(0);
    SeekLanguages();
}

void TIvMLDFile::AttachStream(std::unique_ptr<TStream> stream)
{
    m_stream = std::move(stream);
}

TStream& TIvMLDFile::Stream()
{
    if (!m_stream)
        throw Exception("The MLD reader has no stream");
    return *m_stream;
}

void TIvMLDFile::ReadHeader()
{
    TStream& stream = Stream();
    m_streamSize = stream.Size();
    stream.SetPosition(0);
    std::array<unsigned char, kMLDHeaderSize> bytes {};
    stream.ReadBuffer(bytes.data(), kMLDHeaderSize);
    if (std::memcmp(bytes.data(), "MLD", 3) != 0)
        throw EIvMLDFormat(kNotMLDStream);

    TIvMLDHeader header;
    std::memcpy(header.Signature.data(), bytes.data(), 3);
    header.Version = bytes[3];
    header.LittleEndian = bytes[4];
    header.AnsiStrings = bytes[5];
    header.ContextKind = bytes[6];
    header.Reserved7 = bytes[7];
    const bool le = header.LittleEndian != 0;
    header.Reserved8 = DWord(&bytes[8], le);
    header.LanguageCount = Word(&bytes[12], le);
    header.LanguageOffset = DWord(&bytes[14], le);
    header.TranslationCount = Word(&bytes[18], le);
    header.TranslationOffset = DWord(&bytes[20], le);
    header.LocaleCount = Word(&bytes[24], le);
    header.LocaleOffset = DWord(&bytes[26], le);
    header.ExtraCount = Word(&bytes[30], le);
    header.ExtraOffset = DWord(&bytes[32], le);
    if (header.Version == 1) {
        // Version 1 kept the string flag in byte 7 and had no fourth table.
        header.AnsiStrings = header.Reserved7;
        header.Reserved7 = 0;
        header.ExtraCount = 0;
        header.ExtraOffset = 0;
    }
    m_header = header;
}

int TIvMLDFile::RecordVersion() const
{
    if (m_header.Version == 0)
        return 1;
    return std::min<int>(m_header.Version, 3);
}

void TIvMLDFile::SeekTo(std::uint32_t offset)
{
    Stream().SetPosition(offset);
}

void TIvMLDFile::SeekLanguages()
{
    if (m_header.LanguageOffset == 0)
        throw EIvMLDFormat(kInvalidLanguageOffset);
    SeekTo(m_header.LanguageOffset);
}

void TIvMLDFile::SeekTranslations()
{
    if (m_header.TranslationOffset == 0)
        throw EIvMLDFormat(kInvalidTranslationOffset);
    SeekTo(m_header.TranslationOffset);
}

void TIvMLDFile::SeekLocales()
{
    if (m_header.LocaleCount == 0)
        throw EIvMLDFormat(kNoCustomLocales);
    if (m_header.LocaleOffset == 0)
        throw EIvMLDFormat(kInvalidLocaleOffset);
    SeekTo(m_header.LocaleOffset);
}

// ---------------------------------------------------------------------------
// Primitives

void TIvMLDFile::Read(void* buffer, int count)
{
    Stream().ReadBuffer(buffer, count);
    m_recordRemaining -= count;
}

void TIvMLDFile::Skip(std::int64_t count)
{
    // A skipped string must fail where reading it would have failed.
    if (Stream().Seek(count, TSeekOrigin::soCurrent) > m_streamSize)
        throw EReadError();
    m_recordRemaining -= count;
}

std::uint8_t TIvMLDFile::ReadByte()
{
    std::uint8_t value = 0;
    Read(&value, 1);
    return value;
}

std::uint16_t TIvMLDFile::ReadWord()
{
    unsigned char bytes[2];
    Read(bytes, 2);
    return Word(bytes, m_header.LittleEndian != 0);
}

std::string TIvMLDFile::ReadFixedString(int length, int codePage)
{
    if (length <= 0)
        return {};
    const std::int64_t byteCount = std::int64_t { length } * CharSize();
    // A lying length must not cost memory: long strings are checked against
    // the image before anything is allocated (short ones fail in the read).
    if (byteCount > kUncheckedStringBytes && byteCount > m_streamSize - Stream().Position())
        throw EReadError();
    if (m_header.AnsiStrings) {
        std::string text(static_cast<std::size_t>(length), '\0');
        Read(text.data(), length);
        return text;
    }
    m_units.resize(static_cast<std::size_t>(length));
    Read(m_units.data(), static_cast<int>(byteCount));
    const bool swap = (m_header.LittleEndian != 0) != (std::endian::native == std::endian::little);
    if (swap) {
        for (auto& unit : m_units)
            unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
    }
    return WideToCodePage(m_units, codePage);
}

std::string TIvMLDFile::ReadCountedString(int codePage)
{
    return ReadFixedString(ReadWord(), codePage);
}

void TIvMLDFile::SkipCountedString()
{
    Skip(std::int64_t { ReadWord() } * CharSize());
}

char TIvMLDFile::ReadChar(int codePage)
{
    const std::string text = ReadFixedString(1, codePage);
    return text.empty() ? '\0' : text.front();
}

std::string TIvMLDFile::ReadAnsiString()
{
    const int length = ReadWord();
    if (length > kUncheckedStringBytes && length > m_streamSize - Stream().Position())
        throw EReadError();
    std::string text(static_cast<std::size_t>(length), '\0');
    Read(text.data(), length);
    return text;
}

void TIvMLDFile::BeginRecord()
{
    if (RecordVersion() >= 3) {
        const int size = ReadWord();
        m_recordRemaining = size - 2; // the size word counts itself
    }
}

void TIvMLDFile::EndRecord()
{
    // A record longer than the fields known here carries fields of a later
    // writer; a shorter one is not detected and nothing is skipped.
    if (RecordVersion() >= 3 && m_recordRemaining > 0) {
        TStream& stream = Stream();
        stream.SetPosition(stream.Position() + m_recordRemaining);
        m_recordRemaining = 0;
    }
}

// ---------------------------------------------------------------------------
// Records

void TIvMLDFile::ReadLanguageFields(bool deriveCharset)
{
    const int version = RecordVersion();
    // Each read starts from an empty record: fields absent from this version
    // must not keep the values of the record read before.
    m_language = TIvLanguage {};
    BeginRecord();
    m_language.PrimaryLanguage = ReadWord();
    if (version >= 2)
        m_language.IsoLanguageName = ReadFixedString(2, 0);
    m_language.DefaultSubLanguage = ReadWord();
    if (version >= 2)
        m_language.IsoCountryName = ReadFixedString(2, 0);
    m_language.SetSubLanguagesText(ReadCountedString(0));
    if (version >= 2)
        m_language.SetSubLanguageNamesText(ReadCountedString(0));
    if (version >= 3)
        m_language.Charset = static_cast<std::uint8_t>(ReadWord() & 0xFF);
    const int codePage = ReadWord();
    if (deriveCharset)
        m_language.SetCodePage(codePage);
    else
        m_language.CodePage = codePage;
    m_language.SetFlags(ReadByte());
    m_language.EnglishName = ReadCountedString(0);
    m_language.NativeName = ReadCountedString(codePage);
    m_language.FontName = ReadCountedString(0);
    m_language.FontSize = ReadByte();
    EndRecord();
}

TIvLanguage& TIvMLDFile::ReadLanguage()
{
    ReadLanguageFields(true);
    m_language.Complete();
    return m_language;
}

TIvLanguage& TIvMLDFile::ReadStoredLanguage()
{
    ReadLanguageFields(false);
    return m_language;
}

TIvLocale& TIvMLDFile::ReadLocale()
{
    const int version = RecordVersion();
    m_locale = TIvLocale {};
    TIvLocale& l = m_locale;
    BeginRecord();
    l.PrimaryLanguage = ReadWord();
    if (version >= 2)
        l.IsoLanguageName = ReadFixedString(2, 0);
    l.SubLanguage = ReadWord();
    if (version >= 2)
        l.IsoCountryName = ReadFixedString(2, 0);
    if (version >= 3)
        l.Charset = static_cast<std::uint8_t>(ReadWord() & 0xFF);
    l.CodePage = ReadWord();
    const int cp = l.CodePage;
    l.LocaleFlag = ReadByte() != 0;
    l.EnglishLanguageName = ReadCountedString(0);
    l.EnglishCountryName = ReadCountedString(0);
    l.NativeLanguageName = ReadCountedString(cp);
    l.NativeCountryName = ReadCountedString(cp);
    l.AbbrevLanguageName = ReadCountedString(0);
    l.CountryName = ReadCountedString(0);
    l.Measure = ReadByte();
    l.CurrencyString = ReadCountedString(cp);
    l.CurrencyFormat = ReadByte();
    l.NegCurrFormat = ReadByte();
    l.CurrencyDecimals = ReadByte();
    l.ThousandSeparator = ReadChar(cp);
    l.DecimalSeparator = ReadChar(cp);
    l.DateSeparator = ReadChar(cp);
    l.ShortDateFormat = ReadCountedString(cp);
    l.LongDateFormat = ReadCountedString(cp);
    l.TimeSeparator = ReadChar(cp);
    l.TimeAMString = ReadCountedString(cp);
    l.TimePMString = ReadCountedString(cp);
    l.TimeLeadingZero = ReadByte() != 0;
    l.TimeFormat = ReadByte();
    l.TimeMarkerPosition = ReadByte();
    l.CalendarType = ReadByte();
    l.OptionalCalendar = ReadByte();
    l.FirstDayOfWeek = ReadByte();
    l.FirstWeekOfYear = ReadByte();
    for (auto& name : l.ShortMonthNames)
        name = ReadCountedString(cp);
    for (auto& name : l.LongMonthNames)
        name = ReadCountedString(cp);
    for (auto& name : l.ShortDayNames)
        name = ReadCountedString(cp);
    for (auto& name : l.LongDayNames)
        name = ReadCountedString(cp);
    EndRecord();
    return l;
}

TIvLanguage* TIvMLDFile::LanguageAt(int index)
{
    SeekLanguages();
    if (index < 0)
        return nullptr;
    for (int i = 0; i <= index; ++i)
        ReadLanguage();
    return &m_language;
}

TIvLocale* TIvMLDFile::LocaleAt(int index)
{
    SeekLocales();
    if (index < 0)
        return nullptr;
    for (int i = 0; i <= index; ++i)
        ReadLocale();
    return &m_locale;
}

void TIvMLDFile::ReadTranslation(TIvTranslation& entry, int column, int codePage)
{
    const int columns = LanguageCount();
    if (column < 0 || (column > 0 && column >= columns))
        throw ERangeError();
    entry.NativeText = ReadCountedString(0);
    entry.Context = HasContext() ? ReadCountedString(0) : std::string {};
    entry.SubContext = HasSubContext() ? ReadCountedString(0) : std::string {};
    if (column == 0) {
        entry.Translation = entry.NativeText;
    } else {
        // Dropped columns are skipped unread: same position, no conversion.
        for (int i = 1; i < column; ++i)
            SkipCountedString();
        entry.Translation = ReadCountedString(codePage);
    }
    for (int i = column + 1; i < columns; ++i)
        SkipCountedString();
}

void TIvMLDFile::ReadAllColumns(
    TIvTranslation& entry, const std::vector<int>& codePages, std::vector<std::string>& columns)
{
    const int count = LanguageCount();
    if (codePages.size() < static_cast<std::size_t>(count))
        throw ERangeError();
    columns.clear();
    entry.NativeText = ReadCountedString(0);
    entry.Context = HasContext() ? ReadCountedString(0) : std::string {};
    entry.SubContext = HasSubContext() ? ReadCountedString(0) : std::string {};
    entry.Translation = entry.NativeText;
    if (count > 0)
        columns.push_back(entry.NativeText);
    for (int i = 1; i < count; ++i)
        columns.push_back(ReadCountedString(codePages[static_cast<std::size_t>(i)]));
}

void TIvMLDFile::ReadRawTranslation(TIvContext& pair, std::vector<std::string>& strings)
{
    pair.Clear();
    for (int i = 0; i < LanguageCount(); ++i) {
        strings.push_back(ReadAnsiString());
        if (i == 0) {
            if (HasContext())
                pair.Context = ReadAnsiString();
            if (HasSubContext())
                pair.SubContext = ReadAnsiString();
        }
    }
}
