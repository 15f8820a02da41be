// volume, height and new-height: result lines, messages and exit codes.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <numbers>
#include <string>
#include <vector>

namespace {

// Names each generated test after its case.
const auto kCaseName = [](const auto& instance) { return std::string(instance.param.name); };

using Args = std::vector<std::string>;
using Lines = std::vector<std::string>;

const Args kHalfFullTank = { "-L", "1", "-D", "1", "-b", "0" };

Args With(Args args, const Args& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct ResultCase
{
    const char* name;
    Args args;
    Lines lines;
};

void PrintTo(const ResultCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliResultTest : public testing::TestWithParam<ResultCase>
{ };

TEST_P(CliResultTest, PrintsTheResultLinesAndExitsZero)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.OutLines(), GetParam().lines);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Cli, CliResultTest,
    testing::Values(
        ResultCase { "WorkedVolume", With({ "volume" }, With(kHalfFullTank, { "-H", "0.5" })),
            { "Volume: 0.3927 m3", "Capacity: 0.7854 m3" } },
        ResultCase { "WorkedVolumeInLitres",
            With({ "volume" }, With(kHalfFullTank, { "-H", "50 cm", "-u", "litres" })),
            { "Volume: 392.6991 litres", "Capacity: 785.3982 litres" } },
        ResultCase { "LongOptionNames",
            { "volume", "--length", "1", "--diameter", "100 cm", "--head", "0 m", "--height",
                "500 mm", "--unit", "litres" },
            { "Volume: 392.6991 litres", "Capacity: 785.3982 litres" } },
        ResultCase { "WorkedHeight", With({ "height" }, With(kHalfFullTank, { "-V", "0.3927" })),
            { "Height: 0.5000 m", "Capacity: 0.7854 m3" } },
        ResultCase { "WorkedHeightInCentimetres",
            With({ "height" }, With(kHalfFullTank, { "-V", "392.7 litres", "-u", "cm" })),
            { "Height: 50.0001 cm", "Capacity: 0.7854 m3" } },
        ResultCase { "HeightResultInInches",
            With({ "height" }, With(kHalfFullTank, { "-V", "0.3927", "-u", "inches" })),
            { "Height: 19.6851 in", "Capacity: 0.7854 m3" } },
        ResultCase { "NewHeightDrains",
            With({ "new-height" },
                With(kHalfFullTank, { "-H", "0.5", "-Q", "60 l/min", "-t", "2 min" })),
            { "New Height: 0.3788 m", "Vol Out: 0.1200 m3", "Capacity: 0.7854 m3" } },
        ResultCase { "NewHeightFillsInTheUnitOfH",
            With({ "new-height" },
                With(kHalfFullTank,
                    { "-H", "50 cm", "-Q", "-1E-3", "-t", "60", "--flow-volume-unit", "litres" })),
            { "New Height: 56.0144 cm", "Vol In: 60.0000 litres", "Capacity: 0.7854 m3" } },
        ResultCase { "NewHeightWithoutFlowKeepsTheHeight",
            With({ "new-height" }, With(kHalfFullTank, { "-H", "0.3", "-Q", "0", "-t", "1 day" })),
            { "New Height: 0.3000 m", "Vol Out: 0.0000 m3", "Capacity: 0.7854 m3" } },
        ResultCase { "InchesAsEnteredAreShownAsIn",
            With(
                { "new-height" }, With(kHalfFullTank, { "-H", "20 inches", "-Q", "0", "-t", "5" })),
            { "New Height: 20.0000 in", "Vol Out: 0.0000 m3", "Capacity: 0.7854 m3" } },
        ResultCase { "FullVerticalTank",
            { "volume", "--vertical", "-L", "3", "-D", "2", "-b", "0.5", "-H", "4" },
            { "Volume: 11.5192 m3", "Capacity: 11.5192 m3" } },
        // The typed full height counts as full although 2b + L and the
        // conversion of 70 cm round a hair below and above it.
        ResultCase { "FullVerticalTankAsTyped",
            { "volume", "--vertical", "-L", "0.7", "-D", "1", "-b", "0.1", "-H", "0.9" },
            { "Volume: 0.6545 m3", "Capacity: 0.6545 m3" } },
        ResultCase { "FullHorizontalTankInAnotherUnit",
            { "volume", "-L", "1", "-D", "0.7", "-b", "0.2", "-H", "70 cm" },
            { "Volume: 0.4875 m3", "Capacity: 0.4875 m3" } },
        ResultCase { "FlatEndedVerticalTank",
            { "height", "--vertical", "-L", "3", "-D", "2", "-b", "0", "-V", "3.14159265" },
            { "Height: 1.0000 m", "Capacity: 9.4248 m3" } },
        // Exact unit factors: two routes to 1000 m3 agree to the last shown
        // digit, and 100 US gallons a minute for a day are 144000 US gallons.
        ResultCase { "CubicMetresPerHour",
            { "new-height", "-L", "100", "-D", "10", "-b", "0", "-H", "10", "-Q", "1 m3/h", "-t",
                "1000 hour" },
            { "New Height: 8.1502 m", "Vol Out: 1000.0000 m3", "Capacity: 7853.9816 m3" } },
        ResultCase { "LitresPerHour",
            { "new-height", "-L", "100", "-D", "10", "-b", "0", "-H", "10", "-Q", "1000 l/h", "-t",
                "1000 hour" },
            { "New Height: 8.1502 m", "Vol Out: 1000.0000 m3", "Capacity: 7853.9816 m3" } },
        ResultCase { "UsGallonsPerMinute",
            { "new-height", "-L", "100", "-D", "10", "-b", "0", "-H", "10", "-Q", "100 usgpm", "-t",
                "1 day", "--flow-volume-unit", "US gal" },
            { "New Height: 8.7830 m", "Vol Out: 144000.0000 US gal", "Capacity: 7853.9816 m3" } },
        ResultCase { "ImperialGallonsPerMinute",
            { "new-height", "-L", "100", "-D", "10", "-b", "0", "-H", "10", "-Q", "100 gpm", "-t",
                "1 day", "--flow-volume-unit", "UK gal" },
            { "New Height: 8.6200 m", "Vol Out: 144000.0000 UK gal", "Capacity: 7853.9816 m3" } },
        ResultCase { "OneCubicMetreInUsGallons",
            { "volume", "-L", "1", "-D", "1", "-b", "0", "-H", "1", "-u", "US gal" },
            { "Volume: 207.4802 US gal", "Capacity: 207.4802 US gal" } }),
    kCaseName);

TEST(Cli, FailedCheckWarnsOnStderrPrintsNothingAndExitsOne)
{
    const CliRun run = RunCli({ "volume", "-L", "0", "-D", "1", "-b", "0", "-H", "0.5" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Warning: Check your inputs\n");
}

TEST(Cli, OverCapacityPrintsTheFullHeightWithAnErrorAndExitsThree)
{
    const CliRun run = RunCli(
        { "height", "--vertical", "-L", "3", "-D", "2", "-b", "0.5", "-V", "50000 litres" });
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.OutLines(), (Lines { "Height: 4.0000 m", "Capacity: 11.5192 m3" }));
    EXPECT_EQ(run.err, "Error: Volume entered exceed total possible volume\n");
}

// The half-full unit tank holds pi/8 m3 and has as much room above.
TEST(Cli, InflowBeyondCapacityPrintsTheFullHeightAndTheRoomThereWas)
{
    const CliRun run = RunCli(
        With({ "new-height" }, With(kHalfFullTank, { "-H", "0.5", "-Q", "-1", "-t", "1 min" })));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.OutLines(),
        (Lines { "New Height: 1.0000 m", "Vol In: 0.3927 m3", "Capacity: 0.7854 m3" }));
    EXPECT_EQ(run.err, "Error: Volume entered exceed total possible volume\n");
}

TEST(Cli, DrainingTooMuchPrintsZeroWithTankEmptyAndExitsThree)
{
    const CliRun run = RunCli(With(
        { "new-height" }, With(kHalfFullTank, { "-H", "0.5", "-Q", "1 m3/min", "-t", "1 hour" })));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.OutLines(),
        (Lines { "New Height: 0.0000 m", "Vol Out: 0.3927 m3", "Capacity: 0.7854 m3" }));
    EXPECT_EQ(run.err, "Warning: Tank empty\n");
}

TEST(Cli, ValuesBeyondTheDoubleRangeAreRefusedByTheCheck)
{
    for (const Args& args : { Args { "volume", "-L", "1e400", "-D", "1", "-b", "0", "-H", "0.5" },
             Args { "volume", "-L", "1", "-D", "1e200", "-b", "0", "-H", "0.5" },
             Args { "new-height", "-L", "1", "-D", "1", "-b", "0", "-H", "0.5", "-Q", "1e300 m3/s",
                 "-t", "1e300 day" } }) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 1) << args[2] << ' ' << args[4];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "Warning: Check your inputs\n");
    }
}

TEST(CliJson, VolumeObjectHasTheContractMembersInOrder)
{
    const CliRun run = RunCli(With({ "volume", "--json" }, With(kHalfFullTank, { "-H", "0.5" })));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys,
        (std::vector<std::string> { "mode", "orientation", "method", "ok", "result", "capacity",
            "fill", "heads", "messages" }));
    EXPECT_EQ(json["method"], "table");
    EXPECT_EQ(json["mode"], "volume");
    EXPECT_EQ(json["orientation"], "horizontal");
    EXPECT_EQ(json["ok"], true);
    EXPECT_EQ(json["result"]["label"], "Volume");
    EXPECT_NEAR(json["result"]["value"].get<double>(), 0.39269908169872414, 1e-15);
    EXPECT_EQ(json["result"]["unit"], "m3");
    EXPECT_EQ(json["result"]["text"], "0.3927");
    EXPECT_EQ(json["messages"], nlohmann::ordered_json::array());
}

TEST(CliJson, ALimitReachedIsTimedInTheUnitOfTheTime)
{
    const double held = std::numbers::pi / 8;
    const struct
    {
        Args flow;
        const char* unit;
        double limit;
    } cases[] = {
        { { "-Q", "1 m3/min", "-t", "1 hour" }, "hour", held / 60 }, // ran empty
        { { "-Q", "-1", "-t", "1 min" }, "min", held / 60 }, // ran full
        { { "-Q", "-1", "-t", "20" }, "s", held },
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(
            With({ "new-height", "--json" }, With(kHalfFullTank, With({ "-H", "0.5" }, c.flow))));
        const auto json = nlohmann::json::parse(run.out);
        ASSERT_TRUE(json.contains("limitTime")) << c.flow[1];
        EXPECT_NEAR(json["limitTime"]["value"].get<double>(), c.limit, 1e-12);
        EXPECT_EQ(json["limitTime"]["unit"], c.unit);
        EXPECT_NEAR(json["second"]["value"].get<double>(), held, 1e-12);
    }
    // A flow that ends inside the tank reached no limit.
    const CliRun run = RunCli(With({ "new-height", "--json" },
        With(kHalfFullTank, { "-H", "0.5", "-Q", "-1", "-t", "0.1 s" })));
    EXPECT_FALSE(nlohmann::json::parse(run.out).contains("limitTime"));
}

TEST(CliJson, NewHeightObjectCarriesTheFlowedVolumeAndTheMessage)
{
    const CliRun run = RunCli({ "new-height", "--vertical", "--json", "-L", "2", "-D", "1", "-b",
        "0.25", "-H", "0.5", "-Q", "10", "-t", "1", "-u", "mm" });
    ASSERT_EQ(run.exitCode, 3);
    const auto ordered = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : ordered.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys,
        (std::vector<std::string> { "mode", "orientation", "method", "ok", "result", "second",
            "limitTime", "capacity", "fill", "heads", "messages" }));
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["mode"], "new-height");
    EXPECT_EQ(json["orientation"], "vertical");
    EXPECT_EQ(json["result"],
        (nlohmann::json {
            { "label", "New Height" }, { "value", 0.0 }, { "unit", "mm" }, { "text", "0.0000" } }));
    // Held: a full bottom head (pi/24 m3) and 0.25 m of shell (pi/16 m3).
    const double held = std::numbers::pi / 24 + std::numbers::pi / 16;
    EXPECT_EQ(json["second"]["label"], "Vol Out");
    EXPECT_NEAR(json["second"]["value"].get<double>(), held, 1e-12);
    EXPECT_EQ(json["second"]["text"], "0.3272");
    EXPECT_NEAR(json["limitTime"]["value"].get<double>(), held / 10, 1e-12);
    EXPECT_EQ(json["limitTime"]["unit"], "s");
    EXPECT_EQ(json["fill"], 0.0); // drained empty
    EXPECT_EQ(json["messages"],
        (nlohmann::json::array({ { { "kind", "warning" }, { "text", "Tank empty" } } })));
}

TEST(CliJson, FailedCheckStillPrintsAnObjectWithoutResults)
{
    const CliRun run
        = RunCli({ "height", "--json", "-L", "1", "-D", "1", "-b", "0", "-V", "-1 litres" });
    EXPECT_EQ(run.exitCode, 1);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ok"], false);
    EXPECT_FALSE(json.contains("result"));
    EXPECT_FALSE(json.contains("second"));
    EXPECT_FALSE(json.contains("capacity"));
    EXPECT_FALSE(json.contains("fill"));
    EXPECT_EQ(json["method"], "table");
    EXPECT_EQ(json["messages"],
        (nlohmann::json::array({ { { "kind", "warning" }, { "text", "Check your inputs" } } })));
}

} // namespace
