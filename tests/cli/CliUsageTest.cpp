// Usage errors: one line naming the problem on stderr, exit code 2, nothing on stdout.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Names each generated test after its case.
const auto kCaseName = [](const auto& instance) { return std::string(instance.param.name); };

struct UsageCase
{
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> mentions; // texts the message must contain
};

void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliUsageTest : public testing::TestWithParam<UsageCase>
{ };

TEST_P(CliUsageTest, NamesTheProblemInOneLineAndExitsTwo)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    for (const std::string& text : GetParam().mentions)
        EXPECT_NE(run.err.find(text), std::string::npos) << run.err << " lacks " << text;
}

INSTANTIATE_TEST_SUITE_P(Cli, CliUsageTest,
    testing::Values(UsageCase { "UnknownLengthUnit",
                        { "volume", "-L", "1", "-D", "3 km", "-b", "0", "-H", "1" },
                        { "\"km\"", "--diameter", "\"inches\", \"in\", \"feet\"" } },
        UsageCase { "CapitalisedUnit",
            { "height", "-L", "1", "-D", "1", "-b", "0", "-V", "5 Litres" },
            { "\"Litres\"", "--volume", "\"US gal\"" } },
        UsageCase { "TwoBlanksBeforeTheUnit",
            { "volume", "-L", "1", "-D", "1", "-b", "0", "-H", "1  m" }, { "\" m\"", "--height" } },
        UsageCase { "UnknownFlowUnit",
            { "new-height", "-L", "1", "-D", "1", "-b", "0", "-H", "1", "-Q", "2 l/day", "-t",
                "1" },
            { "\"l/day\"", "--flow", "\"usgpm\"" } },
        UsageCase { "UnknownTimeUnit",
            { "new-height", "-L", "1", "-D", "1", "-b", "0", "-H", "1", "-Q", "2", "-t", "2 days" },
            { "\"days\"", "--time", "\"hour\"" } },
        UsageCase { "UnknownResultUnit",
            { "volume", "-L", "1", "-D", "1", "-b", "0", "-H", "1", "-u", "m" },
            { "\"m\"", "--unit" } },
        UsageCase { "EmptyResultUnit",
            { "height", "-L", "1", "-D", "1", "-b", "0", "-V", "1", "-u", "" },
            { "\"\"", "--unit" } },
        UsageCase { "UnknownTableHeightUnit",
            { "table", "-L", "1", "-D", "1", "-b", "0", "--height-unit", "m3" },
            { "--height-unit" } },
        UsageCase { "UnreadableNumber", { "volume", "-L", "1,5", "-D", "1", "-b", "0", "-H", "1" },
            { "\"1,5\"", "--length" } },
        UsageCase { "NotANumber", { "volume", "-L", "1", "-D", "1", "-b", "0", "-H", "nan" },
            { "\"nan\"", "--height" } },
        UsageCase {
            "MissingOption", { "volume", "-L", "1", "-D", "1", "-b", "0" }, { "--height" } },
        UsageCase { "MissingCommand", {}, { "ubcommand" } },
        UsageCase { "UnknownCommand", { "area", "-L", "1" }, { "area" } },
        UsageCase { "RowsOutOfRange", { "table", "-L", "1", "-D", "1", "-b", "0", "--rows", "0" },
            { "--rows" } },
        UsageCase { "CsvAndJson", { "table", "-L", "1", "-D", "1", "-b", "0", "--csv", "--json" },
            { "--csv", "--json" } }),
    kCaseName);

TEST(CliUsage, HelpGoesToStdoutAndExitsZero)
{
    const CliRun run = RunCli({ "--help" });
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : { "volume", "height", "new-height", "table" })
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
}

} // namespace
