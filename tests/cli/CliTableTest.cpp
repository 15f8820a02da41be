// table: the gauge table in its three formats.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

TEST(CliTable, DefaultIsOneHundredStepsAfterAHeader)
{
    const CliRun run = RunCli({ "table", "-L", "1", "-D", "1", "-b", "0.2" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = run.OutLines();
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0], "Height [m]  Volume [m3]  Fill [%]");
    EXPECT_EQ(lines[1], "    0.0000       0.0000    0.0000");
    EXPECT_EQ(lines[101], "    1.0000       0.9948  100.0000");
}

TEST(CliTable, EachRowIsWhatTheVolumeCommandGives)
{
    const Args tank = { "--vertical", "-L", "2", "-D", "1.5", "-b", "0.3" };
    Args table = { "table", "--csv", "--rows", "4", "-u", "litres", "--height-unit", "cm" };
    table.insert(table.end(), tank.begin(), tank.end());
    const CliRun run = RunCli(table);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = run.OutLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "height [cm],volume [litres],fill [%]");
    // Row 2 of 4 stands at half of 2b + L = 2.6 m; the last row is the full tank.
    for (const auto& [row, height] :
        { std::pair { std::size_t { 3 }, "130 cm" }, std::pair { std::size_t { 5 }, "260 cm" } }) {
        Args volume = { "volume", "-H", height, "-u", "litres" };
        volume.insert(volume.end(), tank.begin(), tank.end());
        const CliRun single = RunCli(volume);
        ASSERT_EQ(single.exitCode, 0) << single.err;
        const std::string text = single.out.substr(single.out.find(": ") + 2);
        EXPECT_EQ(
            lines[row].substr(0, lines[row].find(',')), std::string(height).substr(0, 3) + ".0000");
        EXPECT_NE(lines[row].find("," + text.substr(0, text.find(' ')) + ","), std::string::npos)
            << lines[row] << " vs " << single.out;
    }
    EXPECT_EQ(lines[5].substr(lines[5].rfind(',') + 1), "100.0000");
}

TEST(CliTable, JsonIsAnArrayOfRows)
{
    const CliRun run
        = RunCli({ "table", "--json", "--rows", "2", "-L", "1", "-D", "1", "-b", "0" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_TRUE(json.is_array());
    ASSERT_EQ(json.size(), 3u);
    EXPECT_EQ(json[0], (nlohmann::json { { "height", 0.0 }, { "volume", 0.0 }, { "fill", 0.0 } }));
    EXPECT_EQ(json[1]["height"], 0.5);
    EXPECT_NEAR(json[1]["volume"].get<double>(), 0.39269908169872414, 1e-15);
    EXPECT_EQ(json[1]["fill"], 50.0);
    EXPECT_EQ(json[2]["fill"], 100.0);
}

TEST(CliTable, TankFailingTheCheckGivesNoRows)
{
    const CliRun plain = RunCli({ "table", "-L", "1", "-D", "0", "-b", "0" });
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_EQ(plain.out, "");
    EXPECT_EQ(plain.err, "Warning: Check your inputs\n");
    const CliRun json = RunCli({ "table", "--json", "-L", "1", "-D", "0", "-b", "0" });
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::array());
}

} // namespace
