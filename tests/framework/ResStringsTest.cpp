#include "framework/app/ResStrings.h"
#include "framework/app/MessageBoxes.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"
#include "framework/streams/FileStream.h"

#include "MessageOf.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Installs a loader for one scope: the texts in `texts` by name, else the
// built-in ones; restores the previous loader after.
class ScopedLoader
{
public:
    explicit ScopedLoader(std::map<std::string, std::string> texts)
        : m_previous(SetResStringLoader([texts = std::move(texts)](const TResString& id) {
            const auto it = texts.find(id.Name);
            return it == texts.end() ? std::string(id.Text) : it->second;
        }))
    { }
    ~ScopedLoader() { SetResStringLoader(m_previous); }
    ScopedLoader(const ScopedLoader&) = delete;
    ScopedLoader& operator=(const ScopedLoader&) = delete;

private:
    TResStringLoader m_previous;
};

} // namespace

TEST(ResStrings, PlacesAreFilledInOrder)
{
    const struct
    {
        const char* format;
        std::vector<TFormatArg> args;
        const char* expected;
    } cases[] = {
        { "Cannot open file %s", { std::string("a b.txt") }, "Cannot open file a b.txt" },
        { "List index out of bounds (%d)", { -3LL }, "List index out of bounds (-3)" },
        { "Line %d: %s", { 12LL, std::string("'end' expected") }, "Line 12: 'end' expected" },
        { "100%% of %s", { std::string("it") }, "100% of it" },
        { "a %s and %s", { std::string("x") }, "a x and " }, // a place without an argument
        { "no places", { std::string("ignored") }, "no places" },
        { "%s", { std::string("%d %s") }, "%d %s" }, // an argument is never a format
        { "ends in %", {}, "ends in %" },
        { "%x stays", {}, "%x stays" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatText(c.format, c.args), c.expected) << c.format;
    EXPECT_EQ(FormatResString(SHandlerNotFound, "NoClick", "OkBtn", "OnClick"),
        "Handler NoClick for OkBtn.OnClick not found");
}

TEST(ResStrings, TheInstalledLoaderSuppliesEveryMessage)
{
    TStringList lines;
    {
        const ScopedLoader german({ { "SListIndexError", "Listenindex außerhalb (%d)" },
            { "SFOpenError", "Datei %s kann nicht geöffnet werden" },
            { "SMsgDlgWarning", "Warnung" } });
        EXPECT_EQ(LoadResString(SReadError), "Stream read error") << "not in the loader";
        EXPECT_EQ(MessageOf<Exception>([&] { lines.Strings(5); }), "Listenindex außerhalb (5)");
        EXPECT_EQ(MessageOf<Exception>(
                      [] { TFileStream("/nonexistent/x", TFileStream::TMode::fmOpenRead); }),
            "Datei /nonexistent/x kann nicht geöffnet werden");
        const TScopedMessageRecorder boxes;
        ShowWarning("Tank empty");
        ASSERT_EQ(boxes.Messages().size(), 1u);
        EXPECT_EQ(boxes.Messages()[0].caption, "Warnung");
    }
    EXPECT_EQ(MessageOf<Exception>([&] { lines.Strings(5); }), "List index out of bounds (5)")
        << "the previous loader is back";
}

TEST(ResStrings, SettingALoaderReturnsThePreviousOne)
{
    const TResStringLoader first = [](const TResString&) { return std::string("first"); };
    const TResStringLoader builtIn = SetResStringLoader(first);
    EXPECT_EQ(LoadResString(SRangeError), "first");
    const TResStringLoader previous = SetResStringLoader({});
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous(SRangeError), "first");
    EXPECT_EQ(LoadResString(SRangeError), "Range check error");
    SetResStringLoader(builtIn);
}
