// mldtool pseudo: the two pseudo-languages' texts, and the command run as a
// process on a built image.

#include "../l10n/mld/MldTestImages.h"
#include "MldPseudo.h"
#include "MldToolRunner.h"

#include <gtest/gtest.h>

using namespace tankora::test;
using nlohmann::json;

namespace {

TEST(PseudoTexts, AccentedTextsAreBracketedAndAThirdLonger)
{
    // Expected texts worked out by hand: letters with a 1252 look-alike
    // replaced, then 35 dots per hundred characters, rounded.
    EXPECT_EQ(tankora::mld::PseudoAccented("Tank empty"), "[Tåñk émptý····]");
    EXPECT_EQ(tankora::mld::PseudoAccented("m"), "[m]");
    EXPECT_EQ(tankora::mld::PseudoAccented("Volume"), "[Völümé··]");
}

TEST(PseudoTexts, KeepWhatTheProgramReliesOn)
{
    // Group captions keep their padding outside the brackets.
    EXPECT_EQ(tankora::mld::PseudoAccented("  Tank Dimensions "), "  [Tåñk Ðîméñšîöñš·····] ");
    // Directives, the access-key mark and the shortcut after the tab.
    EXPECT_EQ(tankora::mld::PseudoAccented("%s of %d"), "[%s öf %d···]");
    EXPECT_EQ(tankora::mld::PseudoAccented("&Close\tAlt+F4"), "[&Çlöšé··]\tAlt+F4");
    EXPECT_EQ(tankora::mld::PseudoRightToLeft("&Close\tAlt+F4"), "[&גלסקה]\tAlt+F4");
    // Digits and symbols stay where they are, in logical order.
    EXPECT_EQ(tankora::mld::PseudoRightToLeft("m3/h: 1E100"), "[מ3/ח: 1ה100]");
    // Nothing to bracket.
    EXPECT_EQ(tankora::mld::PseudoAccented("   "), "   ");
    EXPECT_EQ(tankora::mld::PseudoRightToLeft(""), "");
}

TEST(PseudoTool, AddsTwoLanguagesAndTranslatesEveryEntry)
{
    json description = ExampleDescription();
    const QString image = WriteTemp("plain.mld", Build(description));
    const QString output = QString::fromStdString(TempPath("pseudo.mld"));
    const ToolRun run = Mldtool({ "pseudo", image, "-o", output });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const ToolRun dumped = Mldtool({ "dump", output, "--all", "--json" });
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    const json dump = json::parse(dumped.out);
    const std::size_t before = description["languages"].size();
    const json& languages = dump["languages"];
    ASSERT_EQ(languages.size(), before + 2);
    EXPECT_EQ(languages[before]["englishName"], "Pseudo accented");
    EXPECT_EQ(languages[before]["codePage"], 1252);
    EXPECT_EQ(languages[before + 1]["englishName"], "Pseudo right-to-left");
    EXPECT_EQ(languages[before + 1]["codePage"], 1255);
    EXPECT_EQ(languages[before + 1]["nativeName"], "[עקהשדס]");
    ASSERT_EQ(dump["entries"].size(), description["entries"].size());
    for (std::size_t i = 0; i < dump["entries"].size(); ++i) {
        const json& entry = dump["entries"][i];
        const std::string native = entry["native"].get<std::string>();
        const json& translations = entry["translations"];
        ASSERT_EQ(translations.size(), before + 1) << native;
        // The languages already there keep their texts.
        for (std::size_t column = 0; column + 1 < before; ++column)
            EXPECT_EQ(translations[column], description["entries"][i]["translations"][column]);
        EXPECT_EQ(translations[before - 1], tankora::mld::PseudoAccented(native));
        EXPECT_EQ(translations[before], tankora::mld::PseudoRightToLeft(native));
    }
}

TEST(PseudoTool, WritesTheOutputWholeOrNotAtAll)
{
    const QString output = WriteTemp("kept.mld", "previous");
    const QString broken = WriteTemp("broken.mld", "not a dictionary");
    const ToolRun run = Mldtool({ "pseudo", broken, "-o", output });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err, "");
    EXPECT_EQ(ReadFile(output), "previous");

    const QString image = WriteTemp("plain.mld", ExampleBytes());
    const ToolRun unwritable = Mldtool({ "pseudo", image, "-o", "/nonexistent/folder/out.mld" });
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("/nonexistent/folder/out.mld"), std::string::npos)
        << unwritable.err;
}

} // namespace
