// Every malformed image ever found (by the fuzzer or by hand) is replayed:
// each must end in the reader's specified errors, never a crash, a hang, an
// allocation failure or another kind of exception.

#include "ExerciseMldReader.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"
#include "l10n/mld/MldFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

// The messages the reader may give for a malformed image: its own, the
// stream's, a bad sub-language list, a column outside the table, a code page
// without converter.
bool IsSpecifiedMessage(const std::string& message)
{
    static const std::regex kAllowed(std::string("(") + kNotMLDStream + "|" + kInvalidLanguageOffset
        + "|" + kInvalidTranslationOffset + "|" + kNoCustomLocales + "|" + kInvalidLocaleOffset
        + "|" + SReadError.Text + "|" + SRangeError.Text
        + "|'.*' is not a valid integer value|Code page [0-9]+ is not supported)");
    return std::regex_match(message, kAllowed);
}

// Inputs the format tolerates: they must read without any error.
bool IsTolerated(const std::string& name)
{
    return name.rfind("tolerated-", 0) == 0;
}

} // namespace

TEST(MldMalformed, EveryKeptInputEndsInASpecifiedError)
{
    const std::filesystem::path folder = std::filesystem::path(TANKORA_TEST_DATA_DIR) / "malformed";
    int replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const std::string name = file.path().filename().string();
        SCOPED_TRACE(name);
        std::ifstream in(file.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        std::vector<std::string> messages;
        ASSERT_NO_THROW(messages = ExerciseMldReader(bytes.str()));
        if (IsTolerated(name))
            EXPECT_TRUE(messages.empty()) << messages.front();
        else
            EXPECT_FALSE(messages.empty()) << "read without an error";
        for (const std::string& message : messages)
            EXPECT_TRUE(IsSpecifiedMessage(message)) << message;
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

TEST(MldMalformed, OnlyTheReadersOwnErrorsAreCaught)
{
    // A header that is not one gives its message instead of escaping.
    EXPECT_EQ(ExerciseMldReader("XLD" + std::string(39, '\0')),
        std::vector<std::string> { kNotMLDStream });
    EXPECT_EQ(ExerciseMldReader("MLD"), std::vector<std::string> { std::string(SReadError.Text) });
}
