// Dictionary data stored in a window's layout, cut short or damaged at every
// position: the reader must end in its own errors, never crash, hang,
// allocate without bound or throw anything else.

#include "ExerciseStoredDictionary.h"

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/StoredDataReader.h"

#include "framework/core/Exceptions.h"
#include "framework/layout/Writer.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::string IntactLayout()
{
    TMemoryStream stream;
    TWriter w(stream);
    w.WriteSignature();
    w.WriteObjectHeader("TForm1", "Form1");
    w.WriteListEnd();
    w.WriteObjectHeader("TIvBinaryDictionary", "Dictionary1");
    w.WriteStr("Languages");
    w.WriteListBegin();
    w.WriteInteger(kStoredDataVersion);
    w.WriteInteger(2);
    WriteLanguageItem(w, TIvLanguage(0, 0, 1252, "", "Native", "Native", "", 0, 0));
    WriteLanguageItem(w, TIvLanguage(7, 1, 1252, "1,2", "German", "Deutsch", "", 0, 0));
    w.WriteListEnd();
    w.WriteStr("Translations");
    w.WriteListBegin();
    w.WriteInteger(kStoredDataVersion);
    w.WriteInteger(1); // context kind 1: both contexts
    w.WriteInteger(2);
    for (const char* native : { "Calculate", "Volume" }) {
        w.WriteListBegin();
        for (const char* text : { native, "Form", "Item", "Übersetzt" })
            w.WriteString(text);
        w.WriteString(std::string(300, 'x')); // a long string
        w.WriteListEnd();
    }
    w.WriteListEnd();
    w.WriteStr("Locales");
    w.WriteListBegin();
    w.WriteInteger(kStoredDataVersion);
    w.WriteInteger(1);
    TIvLocale locale;
    locale.PrimaryLanguage = 7;
    locale.SubLanguage = 1;
    WriteLocaleItem(w, locale);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    const QByteArray& bytes = stream.Bytes();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool IsReaderMessage(const std::string& message)
{
    static const std::regex kAllowed("Stream read error|Invalid stream format|Invalid property "
                                     "value|Could not find the property|Unknown (language|"
                                     "translation|locale) data version: -?[0-9]+|"
                                     // a bad sub-language list; a NUL in it ends what()
                                     "'[\\s\\S]*");
    return std::regex_match(message, kAllowed);
}

} // namespace

TEST(StoredDataMalformed, IntactLayoutReadsWithoutError)
{
    // Only the three lists read on their own fail: the bytes are a layout.
    const auto messages = ExerciseStoredDictionary(IntactLayout());
    ASSERT_EQ(messages.size(), 3u);
    for (const std::string& message : messages)
        EXPECT_TRUE(IsReaderMessage(message)) << message;
}

TEST(StoredDataMalformed, EveryCutAndEveryDamagedByteEndsInAReaderError)
{
    const std::string intact = IntactLayout();
    std::vector<std::string> inputs;
    for (std::size_t length = 0; length < intact.size(); ++length)
        inputs.push_back(intact.substr(0, length));
    for (std::size_t at = 0; at < intact.size(); ++at) {
        for (const unsigned char value :
            std::initializer_list<unsigned char> { 0x00, 0x01, 0x04, 0x0C, 0x0E, 0x7F, 0xFF }) {
            std::string damaged = intact;
            damaged[at] = static_cast<char>(value);
            inputs.push_back(damaged);
        }
    }
    for (const std::string& input : inputs) {
        std::vector<std::string> messages;
        ASSERT_NO_THROW(messages = ExerciseStoredDictionary(input)) << input.size();
        for (const std::string& message : messages)
            ASSERT_TRUE(IsReaderMessage(message)) << testing::PrintToString(message);
    }
}
