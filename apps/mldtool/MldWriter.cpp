#include "MldWriter.h"

#include "MldText.h"

#include "l10n/dictionary/Records.h"
#include "nls/ByteOrder.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace tankora::mld {
namespace {

using nlohmann::json;

// How a record field is stored, in file order.
enum class FieldKind {
    Word,
    Byte,
    Bool, // a byte, nonzero = true
    Iso, // fixed string of 2 characters
    Counted, // counted string
    Char, // fixed string of 1 character
    IntList, // counted string of decimal ids joined by ","
    TextList, // counted string of texts joined by ","
    Months, // 12 counted strings
    Days, // 7 counted strings
};

struct Field
{
    const char* name;
    FieldKind kind;
    int minVersion; // the record layout version that introduced it
    bool recordCodePage; // UTF-16 converted in the record's code page, else in code page 0
};

constexpr Field kLanguageFields[] = {
    { "primaryLanguage", FieldKind::Word, 1, false },
    { "isoLanguageName", FieldKind::Iso, 2, false },
    { "defaultSubLanguage", FieldKind::Word, 1, false },
    { "isoCountryName", FieldKind::Iso, 2, false },
    { "subLanguages", FieldKind::IntList, 1, false },
    { "subLanguageNames", FieldKind::TextList, 2, false },
    { "charset", FieldKind::Word, 3, false },
    { "codePage", FieldKind::Word, 1, false },
    { "flags", FieldKind::Byte, 1, false },
    { "englishName", FieldKind::Counted, 1, false },
    { "nativeName", FieldKind::Counted, 1, true },
    { "fontName", FieldKind::Counted, 1, false },
    { "fontSize", FieldKind::Byte, 1, false },
};

constexpr Field kLocaleFields[] = {
    { "primaryLanguage", FieldKind::Word, 1, false },
    { "isoLanguageName", FieldKind::Iso, 2, false },
    { "subLanguage", FieldKind::Word, 1, false },
    { "isoCountryName", FieldKind::Iso, 2, false },
    { "charset", FieldKind::Word, 3, false },
    { "codePage", FieldKind::Word, 1, false },
    { "localeFlag", FieldKind::Bool, 1, false },
    { "englishLanguageName", FieldKind::Counted, 1, false },
    { "englishCountryName", FieldKind::Counted, 1, false },
    { "nativeLanguageName", FieldKind::Counted, 1, true },
    { "nativeCountryName", FieldKind::Counted, 1, true },
    { "abbrevLanguageName", FieldKind::Counted, 1, false },
    { "countryName", FieldKind::Counted, 1, false },
    { "measure", FieldKind::Byte, 1, false },
    { "currencyString", FieldKind::Counted, 1, true },
    { "currencyFormat", FieldKind::Byte, 1, false },
    { "negCurrFormat", FieldKind::Byte, 1, false },
    { "currencyDecimals", FieldKind::Byte, 1, false },
    { "thousandSeparator", FieldKind::Char, 1, true },
    { "decimalSeparator", FieldKind::Char, 1, true },
    { "dateSeparator", FieldKind::Char, 1, true },
    { "shortDateFormat", FieldKind::Counted, 1, true },
    { "longDateFormat", FieldKind::Counted, 1, true },
    { "timeSeparator", FieldKind::Char, 1, true },
    { "timeAMString", FieldKind::Counted, 1, true },
    { "timePMString", FieldKind::Counted, 1, true },
    { "timeLeadingZero", FieldKind::Bool, 1, false },
    { "timeFormat", FieldKind::Byte, 1, false },
    { "timeMarkerPosition", FieldKind::Byte, 1, false },
    { "calendarType", FieldKind::Byte, 1, false },
    { "optionalCalendar", FieldKind::Byte, 1, false },
    { "firstDayOfWeek", FieldKind::Byte, 1, false },
    { "firstWeekOfYear", FieldKind::Byte, 1, false },
    { "shortMonthNames", FieldKind::Months, 1, true },
    { "longMonthNames", FieldKind::Months, 1, true },
    { "shortDayNames", FieldKind::Days, 1, true },
    { "longDayNames", FieldKind::Days, 1, true },
};

[[noreturn]] void Fail(const std::string& path, const std::string& problem)
{
    throw MldBuildError(path + ": " + problem);
}

const json& Member(const json& object, const char* name, const std::string& path)
{
    if (!object.is_object())
        Fail(path, "must be an object");
    const auto it = object.find(name);
    if (it == object.end())
        Fail(path, std::string("missing \"") + name + "\"");
    return *it;
}

long long Integer(const json& value, long long low, long long high, const std::string& path)
{
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    if (!value.is_number_integer())
        Fail(path, "must be an integer");
    const auto number = value.get<long long>();
    if (number < low || number > high)
        Fail(path, "must be between " + std::to_string(low) + " and " + std::to_string(high));
    return number;
}

const std::string& Text(const json& value, const std::string& path)
{
    if (!value.is_string())
        Fail(path, "must be a string");
    return value.get_ref<const std::string&>();
}

const json& Array(const json& value, const std::string& path)
{
    if (!value.is_array())
        Fail(path, "must be an array");
    return value;
}

class ImageWriter
{
public:
    ImageWriter(const json& description, EntryOrder order)
        : m_order(order)
    {
        const json& header = Member(description, "header", "image");
        m_version = static_cast<int>(
            Integer(Member(header, "version", "header"), 0, 255, "header.version"));
        m_littleEndian
            = Integer(Member(header, "littleEndian", "header"), 0, 1, "header.littleEndian") != 0;
        m_ansi = Integer(Member(header, "ansiStrings", "header"), 0, 1, "header.ansiStrings") != 0;
        m_contextKind = static_cast<int>(
            Integer(Member(header, "contextKind", "header"), 0, 255, "header.contextKind"));
        m_recordVersion = m_version == 0 ? 1 : std::min(m_version, 3);
        m_languages = &Array(Member(description, "languages", "image"), "languages");
        m_entries = &Array(Member(description, "entries", "image"), "entries");
        const auto locales = description.find("locales");
        m_locales = locales == description.end() ? &m_noLocales : &Array(*locales, "locales");
        for (const json* table : { m_languages, m_entries, m_locales }) {
            if (table->size() > 0xFFFF)
                Fail("image", "a table holds at most 65535 records");
        }
    }

    std::string Build()
    {
        m_bytes.assign(kHeaderSize, '\0');
        const std::uint32_t languageOffset = Offset();
        std::vector<int> columnCodePages;
        for (std::size_t i = 0; i < m_languages->size(); ++i) {
            const std::string path = "languages[" + std::to_string(i) + "]";
            WriteRecord((*m_languages)[i], kLanguageFields, path);
            columnCodePages.push_back(CompletedCodePage((*m_languages)[i], path));
        }
        const std::uint32_t translationOffset = Offset();
        for (const std::size_t i : EntryWriteOrder())
            WriteEntry((*m_entries)[i], columnCodePages, "entries[" + std::to_string(i) + "]");
        const std::uint32_t localeOffset = m_locales->empty() ? 0 : Offset();
        for (std::size_t i = 0; i < m_locales->size(); ++i)
            WriteRecord((*m_locales)[i], kLocaleFields, "locales[" + std::to_string(i) + "]");
        WriteHeader(languageOffset, translationOffset, localeOffset);
        return m_bytes;
    }

private:
    static constexpr std::size_t kHeaderSize = 42;

    std::uint32_t Offset() const
    {
        if (m_bytes.size() > 0xFFFFFFFFu)
            Fail("image", "larger than 4 GiB");
        return static_cast<std::uint32_t>(m_bytes.size());
    }

    template <std::integral T> void PutAt(std::size_t at, T value)
    {
        tankora::StoreInteger(value, reinterpret_cast<unsigned char*>(m_bytes.data() + at),
            m_littleEndian ? tankora::ByteOrder::LittleEndian : tankora::ByteOrder::BigEndian);
    }

    void PutWordAt(std::size_t at, std::uint32_t value)
    {
        PutAt(at, static_cast<std::uint16_t>(value));
    }

    void PutDWordAt(std::size_t at, std::uint32_t value) { PutAt(at, value); }

    void WriteHeader(std::uint32_t languages, std::uint32_t translations, std::uint32_t locales)
    {
        m_bytes[0] = 'M';
        m_bytes[1] = 'L';
        m_bytes[2] = 'D';
        m_bytes[3] = static_cast<char>(m_version);
        m_bytes[4] = m_littleEndian ? 1 : 0;
        // Version 1 keeps the string flag in byte 7; byte 5 stays zero there.
        m_bytes[m_version == 1 ? 7 : 5] = m_ansi ? 1 : 0;
        m_bytes[6] = static_cast<char>(m_contextKind);
        PutWordAt(12, static_cast<std::uint32_t>(m_languages->size()));
        PutDWordAt(14, languages);
        PutWordAt(18, static_cast<std::uint32_t>(m_entries->size()));
        PutDWordAt(20, translations);
        PutWordAt(24, static_cast<std::uint32_t>(m_locales->size()));
        PutDWordAt(26, locales);
    }

    void Byte(long long value) { m_bytes.push_back(static_cast<char>(value)); }

    void Word(long long value)
    {
        m_bytes.append(2, '\0');
        PutWordAt(m_bytes.size() - 2, static_cast<std::uint32_t>(value));
    }

    // The characters of a text as stored; returns their count. A character
    // the code page cannot hold is refused, not stored as "?".
    std::size_t Characters(const std::string& utf8, int codePage, const std::string& path)
    {
        if (m_ansi) {
            const std::string bytes = CodePageFromUtf8(utf8, codePage);
            if (Utf8FromCodePage(bytes, codePage) != utf8) {
                const auto character = FirstUnfitCharacter(utf8, codePage);
                Fail(path,
                    (character ? DescribeCharacter(*character) : std::string("a character"))
                        + " cannot be written in code page "
                        + std::to_string(EffectiveCodePage(codePage)));
            }
            m_bytes += bytes;
            return bytes.size();
        }
        const std::u16string units = Utf16FromUtf8(utf8);
        for (const char16_t unit : units)
            Word(unit);
        return units.size();
    }

    void Fixed(const std::string& utf8, std::size_t length, int codePage, const std::string& path)
    {
        if (Characters(utf8, codePage, path) != length)
            Fail(path, "must be exactly " + std::to_string(length) + " character(s) when stored");
    }

    void Counted(const std::string& utf8, int codePage, const std::string& path)
    {
        const std::size_t at = m_bytes.size();
        Word(0);
        const std::size_t length = Characters(utf8, codePage, path);
        if (length > 0xFFFF)
            Fail(path, "longer than 65535 characters");
        PutWordAt(at, static_cast<std::uint32_t>(length));
    }

    std::string Joined(const json& list, bool numbers, const std::string& path)
    {
        std::string text;
        for (std::size_t i = 0; i < Array(list, path).size(); ++i) {
            const std::string itemPath = path + "[" + std::to_string(i) + "]";
            std::string item = numbers ? std::to_string(Integer(list[i], 0, 0xFFFF, itemPath))
                                       : Text(list[i], itemPath);
            if (item.find(',') != std::string::npos)
                Fail(itemPath, "must not contain a comma");
            text += (i == 0 ? "" : ",") + item;
        }
        return text;
    }

    template <std::size_t N>
    void WriteRecord(const json& record, const Field (&fields)[N], const std::string& path)
    {
        const std::size_t start = m_bytes.size();
        if (m_recordVersion >= 3)
            Word(0); // the record size, counting itself; filled below
        const int recordCodePage = static_cast<int>(
            Integer(Member(record, "codePage", path), 0, 0xFFFF, path + ".codePage"));
        for (const Field& field : fields) {
            if (field.minVersion > m_recordVersion)
                continue;
            const std::string fieldPath = path + "." + field.name;
            const json& value = Member(record, field.name, path);
            const int codePage = field.recordCodePage ? recordCodePage : 0;
            WriteField(field.kind, value, codePage, fieldPath);
        }
        if (m_recordVersion >= 3) {
            const std::size_t size = m_bytes.size() - start;
            if (size > 0xFFFF)
                Fail(path, "record longer than 65535 bytes");
            PutWordAt(start, static_cast<std::uint32_t>(size));
        }
    }

    void WriteField(FieldKind kind, const json& value, int codePage, const std::string& path)
    {
        switch (kind) {
        case FieldKind::Word:
            Word(Integer(value, 0, 0xFFFF, path));
            break;
        case FieldKind::Byte:
        case FieldKind::Bool:
            Byte(Integer(value, 0, 0xFF, path));
            break;
        case FieldKind::Iso:
            Fixed(Text(value, path), 2, codePage, path);
            break;
        case FieldKind::Char:
            Fixed(Text(value, path), 1, codePage, path);
            break;
        case FieldKind::Counted:
            Counted(Text(value, path), codePage, path);
            break;
        case FieldKind::IntList:
        case FieldKind::TextList:
            Counted(Joined(value, kind == FieldKind::IntList, path), codePage, path);
            break;
        case FieldKind::Months:
        case FieldKind::Days: {
            const std::size_t count = kind == FieldKind::Months ? 12 : 7;
            if (Array(value, path).size() != count)
                Fail(path, "must hold " + std::to_string(count) + " names");
            for (std::size_t i = 0; i < count; ++i)
                Counted(Text(value[i], path), codePage, path + "[" + std::to_string(i) + "]");
            break;
        }
        }
    }

    std::vector<std::size_t> EntryWriteOrder() const
    {
        std::vector<std::size_t> order(m_entries->size());
        std::iota(order.begin(), order.end(), std::size_t { 0 });
        if (m_order == EntryOrder::AsGiven)
            return order;
        std::vector<std::string> keys;
        keys.reserve(order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            keys.push_back(LookupKey((*m_entries)[i], "entries[" + std::to_string(i) + "]"));
        std::stable_sort(order.begin(), order.end(),
            [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        return order;
    }

    // The key the dictionary orders an entry by: its native text as the
    // reader hands it on (in the ANSI code page), and with contexts the
    // separator 127, the context and the sub-context.
    std::string LookupKey(const json& entry, const std::string& path) const
    {
        const auto text = [&](const char* member) {
            return CodePageFromUtf8(Text(Member(entry, member, path), path + "." + member), 0);
        };
        std::string key = text("native");
        const int flags = TIvContext::FlagsOfKind(m_contextKind);
        if (flags == 0)
            return key;
        key += '\x7F';
        if (flags & kContextFlag)
            key += text("context");
        if (flags & kSubContextFlag)
            key += text("subContext");
        return key;
    }

    void WriteEntry(
        const json& entry, const std::vector<int>& columnCodePages, const std::string& path)
    {
        Counted(Text(Member(entry, "native", path), path + ".native"), 0, path + ".native");
        const int flags = TIvContext::FlagsOfKind(m_contextKind);
        if (flags & kContextFlag)
            Counted(Text(Member(entry, "context", path), path + ".context"), 0, path + ".context");
        if (flags & kSubContextFlag)
            Counted(Text(Member(entry, "subContext", path), path + ".subContext"), 0,
                path + ".subContext");
        const json& translations
            = Array(Member(entry, "translations", path), path + ".translations");
        const std::size_t columns = columnCodePages.empty() ? 0 : columnCodePages.size() - 1;
        if (translations.size() != columns)
            Fail(path + ".translations",
                "must hold " + std::to_string(columns) + " texts (columns 1 to L-1)");
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string itemPath = path + ".translations[" + std::to_string(c) + "]";
            Counted(Text(translations[c], itemPath), columnCodePages[c + 1], itemPath);
        }
    }

    EntryOrder m_order;
    int m_version = 0;
    int m_recordVersion = 1;
    bool m_littleEndian = true;
    bool m_ansi = true;
    int m_contextKind = 0;
    const json* m_languages = nullptr;
    const json* m_entries = nullptr;
    const json* m_locales = nullptr;
    json m_noLocales = json::array();
    std::string m_bytes;
};

} // namespace

int CompletedCodePage(const json& record, const std::string& path)
{
    TIvLanguage language;
    language.PrimaryLanguage
        = static_cast<int>(Integer(Member(record, "primaryLanguage", path), 0, 0xFFFF, path));
    language.DefaultSubLanguage
        = static_cast<int>(Integer(Member(record, "defaultSubLanguage", path), 0, 0xFFFF, path));
    // As the reader keeps them: ids below 1 are dropped.
    for (const json& sub : Array(Member(record, "subLanguages", path), path)) {
        if (const long long id = Integer(sub, 0, 0xFFFF, path); id >= 1)
            language.SubLanguages.push_back(std::to_string(id));
    }
    language.CodePage
        = static_cast<int>(Integer(Member(record, "codePage", path), 0, 0xFFFF, path));
    language.Complete();
    return language.CodePage;
}

std::string BuildMldImage(const json& description, EntryOrder order)
{
    return ImageWriter(description, order).Build();
}

} // namespace tankora::mld
