// The literals that sources pass to TranslateString, and only those.

#include "../../apps/mldtool/SourceTexts.h"

#include <gtest/gtest.h>

using namespace tankora::mld;

TEST(SourceTexts, FindsLiteralArgumentsAndNothingElse)
{
    const std::string source = R"cpp(// TranslateString("in a comment")
/* TranslateString("in a block
   comment") */
std::string TranslateString(const std::string& text);
auto a = TranslateString("Tank empty");
auto b = TranslateString(std::string("Use any value between")) + " " + TranslateString (
    "to");
auto c = TranslateString("Check " "your " // joined
                         "inputs");
auto d = TranslateString(text);
auto e = TranslateString("Vol " + suffix);
auto f = R"x(TranslateString("raw"))x";
auto g = "TranslateString(\"quoted\")";
int h = 1'000; char i = '"'; auto j = Tr("Height");
auto k = TranslateString("Say \"hi\"\n\x41");
)cpp";
    const std::vector<SourceText> found
        = FindTranslatedLiterals(source, { "TranslateString", "Tr" });
    const std::vector<std::pair<std::string, int>> expected = {
        { "Tank empty", 5 },
        { "Use any value between", 6 },
        { "to", 7 },
        { "Check your inputs", 8 },
        { "Height", 14 },
        { "Say \"hi\"\nA", 15 },
    };
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(found[i].text, expected[i].first);
        EXPECT_EQ(found[i].line, expected[i].second) << found[i].text;
    }
}
