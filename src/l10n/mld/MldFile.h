#pragma once
// TIvMLDFile: the reader of MLD dictionary images (languages, one translation
// record per program text with a column per language, custom locales).
//
// Image layout: a 42-byte header at offset 0, then three tables anywhere at
// the absolute offsets the header gives. Words and dwords are little- or
// big-endian by a header flag; characters are bytes or UTF-16 units by another.
// UTF-16 strings are converted to 8-bit texts with WideToCodePage on reading.
// Counts and string lengths are trusted as the format has no other checks;
// a length that runs past the end of the image fails with "Stream read error".
//
// Every failure throws the general exception class (Exception) or a stream
// error, with one of the messages below; the reader keeps no state that needs
// repair, the caller frees it.

#include "l10n/dictionary/Records.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TIvEntryTable;
class TStream;

// The 42 header bytes as fields.
struct TIvMLDHeader
{
    std::array<char, 3> Signature {};
    std::uint8_t Version = 0;
    std::uint8_t LittleEndian = 0;
    std::uint8_t AnsiStrings = 0;
    std::uint8_t ContextKind = 0;
    std::uint8_t Reserved7 = 0; // version 1: the AnsiStrings flag
    std::uint32_t Reserved8 = 0;
    std::uint16_t LanguageCount = 0;
    std::uint32_t LanguageOffset = 0;
    std::uint16_t TranslationCount = 0;
    std::uint32_t TranslationOffset = 0;
    std::uint16_t LocaleCount = 0;
    std::uint32_t LocaleOffset = 0;
    std::uint16_t ExtraCount = 0;
    std::uint32_t ExtraOffset = 0;
};

constexpr int kMLDHeaderSize = 42;

// Failure messages.
inline constexpr const char* kNotMLDStream = "The stream is not a valid MLD stream";
inline constexpr const char* kInvalidLanguageOffset = "Invalid language offset";
inline constexpr const char* kInvalidTranslationOffset = "Invalid translation offset";
inline constexpr const char* kNoCustomLocales = "No custom locales";
inline constexpr const char* kInvalidLocaleOffset = "Invalid locale offset";

class TIvMLDFile
{
public:
    TIvMLDFile();
    ~TIvMLDFile();
    TIvMLDFile(const TIvMLDFile&) = delete;
    TIvMLDFile& operator=(const TIvMLDFile&) = delete;

    // Opens the file read-only (others may read and write it), reads the
    // header and language 0, and leaves the stream at the language table.
    // Fails with "Cannot open file <name>" or any ReadHeader / seek / read failure.
    void OpenFile(const std::string& fileName);
    // Takes a stream (a file or resource data); the reader owns it from now on.
    // Call ReadHeader next.
    void AttachStream(std::unique_ptr<TStream> stream);
    // Reads and checks the 42-byte header: "The stream is not a valid MLD
    // stream" unless it starts with "MLD"; "Stream read error" when shorter.
    // Version 1 takes its string flag from byte 7; byte order is corrected last.
    void ReadHeader();

    const TIvMLDHeader& Header() const { return m_header; }
    std::uint8_t Version() const { return m_header.Version; }
    std::uint8_t LittleEndian() const { return m_header.LittleEndian; }
    std::uint8_t AnsiStrings() const { return m_header.AnsiStrings; }
    std::uint8_t ContextKind() const { return m_header.ContextKind; }
    // kContextFlag / kSubContextFlag bits of the context kind.
    int ContextFlags() const { return TIvContext::FlagsOfKind(m_header.ContextKind); }
    bool HasContext() const { return (ContextFlags() & kContextFlag) != 0; }
    bool HasSubContext() const { return (ContextFlags() & kSubContextFlag) != 0; }
    int LanguageCount() const { return m_header.LanguageCount; }
    int TranslationCount() const { return m_header.TranslationCount; }
    int LocaleCount() const { return m_header.LocaleCount; }

    // Position the stream at the first record of a table. "Invalid language
    // offset" / "Invalid translation offset" for a zero offset; "No custom
    // locales" for a zero locale count, else "Invalid locale offset" for a zero offset.
    void SeekLanguages();
    void SeekTranslations();
    void SeekLocales();

    // The language record at the current position, completed. The object is
    // the reader's own and is overwritten by the next language read.
    TIvLanguage& ReadLanguage();
    // The language record as stored: not completed, and the code page stored
    // without deriving a character set from it (for tools that show or copy images).
    TIvLanguage& ReadStoredLanguage();
    // The locale record at the current position, as stored (not completed).
    TIvLocale& ReadLocale();
    // Language / locale Index of its table (records 0..Index read in turn);
    // null for Index < 0 (the stream is then at the table).
    TIvLanguage* LanguageAt(int index);
    TIvLocale* LocaleAt(int index);

    // Reads the translation record at the current position into entry; its
    // Translation is column `column` converted in codePage (column 0: the
    // native text). The other columns are skipped unconverted. Leaves the
    // stream at the next record. A column outside 0..LanguageCount()-1 (0 is
    // always allowed) raises ERangeError.
    void ReadTranslation(TIvTranslation& entry, int column, int codePage);
    // Appends every translation record of the table to table (unsorted), each
    // with column `column` as its translation, in one pass over the records:
    // the answers and errors of ReadTranslation for each record in turn. A
    // failure leaves the entries read so far (the last one incomplete), so
    // the caller loads into a table of its own and keeps it only on success.
    void ReadColumn(TIvEntryTable& table, int column, int codePage);
    // Reads the translation record at the current position with every column
    // converted in its own code page (codePages[i] for column i; column 0 is
    // the native text): columns receives LanguageCount() texts.
    void ReadAllColumns(TIvTranslation& entry, const std::vector<int>& codePages,
        std::vector<std::string>& columns);
    // Reads the translation record at the current position as 8-bit texts
    // without conversion: every column into strings (appended), the context
    // texts into pair (cleared first). For images with 8-bit strings.
    void ReadRawTranslation(TIvContext& pair, std::vector<std::string>& strings);

    // Bytes left in the current size-framed record; every primitive read
    // subtracts what it consumed.
    std::int64_t RecordRemaining() const { return m_recordRemaining; }

private:
    // Version of the record layout: 0 reads like 1, above 3 like 3.
    int RecordVersion() const;
    int CharSize() const { return m_header.AnsiStrings ? 1 : 2; }

    void ReadLanguageFields(bool deriveCharset);
    void Read(void* buffer, int count);
    void Skip(std::int64_t count);
    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::string ReadFixedString(int length, int codePage);
    std::string ReadCountedString(int codePage);
    void SkipCountedString();
    char ReadChar(int codePage);
    std::string ReadAnsiString();
    void BeginRecord();
    void EndRecord();
    void SeekTo(std::uint32_t offset);
    TStream& Stream();

    std::unique_ptr<TStream> m_stream;
    TIvMLDHeader m_header;
    TIvLanguage m_language;
    TIvLocale m_locale;
    // Wider than a record needs, so subtracting across a whole image cannot overflow.
    std::int64_t m_recordRemaining = 0;
    std::int64_t m_streamSize = 0; // taken by ReadHeader
    std::u16string m_units; // scratch for UTF-16 strings
};
