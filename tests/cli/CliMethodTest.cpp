// --method exact beside the default table method, and the capacity and fill
// that every result carries.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

constexpr double kPi = std::numbers::pi;

nlohmann::json RunJson(const Args& args, int expectedExit = 0)
{
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    return nlohmann::json::parse(run.out);
}

// Horizontal, L = 1, D = 2, hemispherical heads (b = 1), liquid 0.5 m deep:
// the circular segment is pi/3 - sqrt(3)/4 (R = 1, H = R/2), the spherical
// cap of the heads pi H^2 (3R - H)/3 = 5 pi/24.
const Args kSphereEnded = { "-L", "1", "-D", "2", "-b", "1" };
const double kSphereEndedAtHalfMetre = kPi / 3 - std::sqrt(3.0) / 4 + 5 * kPi / 24;

Args With(Args args, const Args& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliMethod, ExactVolumeIsTheClosedForm)
{
    const auto exact
        = RunJson(With({ "volume", "--json", "--method", "exact", "-H", "0.5" }, kSphereEnded));
    EXPECT_EQ(exact["method"], "exact");
    EXPECT_NEAR(exact["result"]["value"].get<double>() / kSphereEndedAtHalfMetre, 1, 1e-12);
}

TEST(CliMethod, NearTheBottomTheTableMethodGivesSeveralTimesTheVolume)
{
    // 2 mm in the same tank (u = H/R = 0.002): the segment is
    // (4/3) sqrt(2R) H^1.5 (1 - 3u/20 - 3u^2/224 - u^3/384), the cap
    // pi H^2 (3R - H)/3.
    const double h = 0.002;
    const double expected = 4.0 / 3 * std::sqrt(2.0) * std::pow(h, 1.5)
            * (1 - 3 * h / 20 - 3 * h * h / 224 - h * h * h / 384)
        + kPi * h * h * (3 - h) / 3;
    const auto exact
        = RunJson(With({ "volume", "--json", "--method", "exact", "-H", "2 mm" }, kSphereEnded));
    EXPECT_NEAR(exact["result"]["value"].get<double>() / expected, 1, 1e-12);
    const auto table = RunJson(With({ "volume", "--json", "-H", "2 mm" }, kSphereEnded));
    EXPECT_EQ(table["method"], "table");
    const double ratio = table["result"]["value"].get<double>() / expected;
    EXPECT_GT(ratio, 3.5);
    EXPECT_LT(ratio, 4);
}

TEST(CliMethod, ExactHeightInvertsTheClosedForm)
{
    const auto json = RunJson(With({ "height", "--json", "--method", "exact", "-V",
                                       std::to_string(kSphereEndedAtHalfMetre * 1e6) + " cm3" },
        kSphereEnded));
    EXPECT_NEAR(json["result"]["value"].get<double>(), 0.5, 1e-9); // the volume went through text
    EXPECT_EQ(json["result"]["text"], "0.5000");
}

TEST(CliMethod, ExactMethodReportsWhatTheTableMethodReports)
{
    const struct
    {
        Args args;
        int exitCode;
        std::string err;
        std::vector<std::string> lines;
    } cases[] = {
        { With({ "height", "--vertical", "-V", "50000 litres" },
              { "-L", "3", "-D", "2", "-b", "0.5" }),
            3, "Error: Volume entered exceed total possible volume\n",
            { "Height: 4.0000 m", "Capacity: 11.5192 m3" } },
        { With({ "new-height", "-H", "0.5", "-Q", "1", "-t", "1" },
              { "-L", "1", "-D", "1", "-b", "0" }),
            // Only the pi/8 m3 the tank held flowed out.
            3, "Warning: Tank empty\n",
            { "New Height: 0.0000 m", "Vol Out: 0.3927 m3", "Capacity: 0.7854 m3" } },
        { { "volume", "-L", "0", "-D", "1", "-b", "0", "-H", "0.5" }, 1,
            "Warning: Check your inputs\n", {} },
        // Half of a symmetric tank is half its capacity by either method.
        { { "height", "-L", "1", "-D", "1", "-b", "0.5", "-V", "0.6545" }, 0, "",
            { "Height: 0.5000 m", "Capacity: 1.3090 m3" } },
    };
    for (const auto& c : cases) {
        for (const char* method : { "table", "exact" }) {
            const CliRun run = RunCli(With(c.args, { "--method", method }));
            EXPECT_EQ(run.exitCode, c.exitCode) << method << ' ' << c.args[0];
            EXPECT_EQ(run.err, c.err) << method << ' ' << c.args[0];
            EXPECT_EQ(run.OutLines(), c.lines) << method << ' ' << c.args[0];
        }
    }
}

TEST(CliMethod, ExactNewHeightWithoutFlowGivesTheHeightBack)
{
    for (const char* height : { "0.0001", "0.013", "0.5", "1.7", "1.9999" }) {
        const auto json = RunJson(With(
            { "new-height", "--json", "--method", "exact", "-H", height, "-Q", "0", "-t", "1" },
            kSphereEnded));
        EXPECT_NEAR(json["result"]["value"].get<double>() / std::stod(height), 1, 1e-13) << height;
    }
}

TEST(CliMethod, ExactTableRowsAreTheExactVolumes)
{
    const auto rows = RunJson(With({ "table", "--json", "--rows", "4", "--method", "exact" },
        With(kSphereEnded, { "--height-unit", "cm" })));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1]["height"], 50.0);
    EXPECT_NEAR(rows[1]["volume"].get<double>() / kSphereEndedAtHalfMetre, 1, 1e-12);
    EXPECT_NEAR(rows[4]["volume"].get<double>(), kPi + 4 * kPi / 3, 1e-14); // full
}

TEST(CliMethod, UnknownMethodIsAUsageError)
{
    const CliRun run = RunCli(With({ "volume", "-H", "1", "--method", "spline" }, kSphereEnded));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--method"), std::string::npos) << run.err;
}

TEST(CliCapacity, VolumeResultsGiveCapacityInTheirUnitHeightsInCubicMetres)
{
    const auto volume
        = RunJson(With({ "volume", "--json", "-H", "1", "-u", "litres" }, kSphereEnded));
    // Full: (pi/4) D^2 L + (pi/3) D^2 b = pi + 4 pi/3 m3.
    EXPECT_EQ(volume["capacity"]["unit"], "litres");
    EXPECT_NEAR(volume["capacity"]["value"].get<double>(), (kPi + 4 * kPi / 3) * 1000, 1e-9);
    EXPECT_EQ(volume["capacity"]["text"], "7330.3829");
    EXPECT_FALSE(volume["capacity"].contains("label"));
    EXPECT_NEAR(volume["fill"].get<double>(), 0.5, 1e-15);

    const auto height = RunJson(With({ "height", "--json", "-V", "1", "-u", "cm" }, kSphereEnded));
    EXPECT_EQ(height["capacity"]["unit"], "m3");
    EXPECT_EQ(height["capacity"]["text"], "7.3304");
    EXPECT_NEAR(height["fill"].get<double>(), 1 / (kPi + 4 * kPi / 3), 1e-15);
}

TEST(CliCapacity, FillIsWhatTheTankHoldsAfterTheCalculation)
{
    const Args tank = { "-L", "1", "-D", "1", "-b", "0" }; // 0.7854 m3
    const struct
    {
        Args args;
        int exitCode;
        double fill;
    } cases[] = {
        { { "height", "-V", "2" }, 3, 1.0 }, // beyond the tank: full
        { { "new-height", "-H", "0.5", "-Q", "1", "-t", "1" }, 3, 0.0 }, // drained
        { { "new-height", "-H", "0.5", "-Q", "-0.19634954084936207", "-t", "1" }, 0, 0.75 },
        { { "new-height", "-H", "0.5", "-Q", "0", "-t", "1", "--method", "exact" }, 0, 0.5 },
    };
    for (const auto& c : cases) {
        const auto json = RunJson(With(With(c.args, tank), { "--json" }), c.exitCode);
        EXPECT_NEAR(json["fill"].get<double>(), c.fill, 1e-12) << c.args[0];
    }
}

} // namespace
