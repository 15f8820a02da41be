// The head-shape options: each end its own shape, the method each shape
// takes, the "heads" of the JSON result, and the usage errors.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

Args With(Args args, const Args& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

nlohmann::json RunJson(const Args& args)
{
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

// Worked examples published with the closed forms for horizontal and
// vertical tanks (D. Jones, "Calculating Tank Volume"), in US gallons.
TEST(CliHeads, PublishedWorkedExamplesComputeExactlyByDefault)
{
    const Args lying = { "volume", "--json", "-L", "156 inches", "-D", "108 inches", "-H",
        "36 inches", "-u", "US gal" };
    const auto asme = RunJson(With(lying, { "--head-shape", "asme-fd" }));
    EXPECT_EQ(asme["method"], "exact");
    EXPECT_NEAR(asme["result"]["value"].get<double>(), 2028.63, 0.005);
    const auto cone = RunJson(With(lying, { "--head-shape", "conical:42 inches" }));
    EXPECT_NEAR(cone["result"]["value"].get<double>(), 2041.19, 0.005);

    const Args standing = { "volume", "--json", "--vertical", "-L", "200 inches", "-D",
        "132 inches", "-H", "24 inches", "-u", "US gal", "--top-head-shape", "flat" };
    const auto dished = RunJson(With(standing, { "--bottom-head-shape", "asme-fd" }));
    EXPECT_NEAR(dished["result"]["value"].get<double>(), 904.069, 0.0005);
    const auto onCone = RunJson(With(standing, { "--bottom-head-shape", "conical:33 inches" }));
    EXPECT_NEAR(onCone["result"]["value"].get<double>(), 250.675, 0.0005);
}

TEST(CliHeads, JsonNamesEachEndWithItsDepthInMetres)
{
    const auto json = RunJson({ "volume", "--json", "--vertical", "-L", "2", "-D", "2", "-H", "1",
        "--head-shape", "din28013", "--bottom-head-shape", "conical:300 mm" });
    ASSERT_EQ(json["heads"].size(), 2u);
    EXPECT_EQ(json["heads"][0], (nlohmann::json { { "shape", "conical" }, { "depth", 0.3 } }));
    EXPECT_EQ(json["heads"][1]["shape"], "torispherical");
    EXPECT_EQ(json["heads"][1]["f"], 0.8);
    EXPECT_EQ(json["heads"][1]["k"], 0.154);
    // 0.8 D - sqrt(0.646^2 - 0.346^2) D for D = 2.
    EXPECT_NEAR(json["heads"][1]["depth"].get<double>(), 2 * 0.2544727321, 1e-9);

    const auto ellipsoids
        = RunJson({ "volume", "--json", "-L", "2", "-D", "2", "-H", "1", "--head-shape", "2:1" });
    EXPECT_EQ(
        ellipsoids["heads"][0], (nlohmann::json { { "shape", "ellipsoidal" }, { "depth", 0.5 } }));
    const auto flat = RunJson({ "volume", "--json", "-L", "2", "-D", "2", "-H", "1", "-b", "0" });
    EXPECT_EQ(flat["heads"][1], (nlohmann::json { { "shape", "flat" }, { "depth", 0.0 } }));
}

// Semi-ellipsoidal and flat heads named as shapes are the tank -b describes:
// the same table method, the same lines.
TEST(CliHeads, EllipsoidalShapesPrintWhatTheDepthPrints)
{
    const Args tank = { "-L", "3", "-D", "2", "-H", "0.37" };
    for (const auto& [shape, depth] : { std::pair { "2:1", "0.5" }, { "hemispherical", "1" },
             { "flat", "0" }, { "ellipsoidal:40 cm", "0.4" }, { "conical:0", "0" } }) {
        const CliRun named = RunCli(With({ "volume", "--head-shape", shape }, tank));
        const CliRun byDepth = RunCli(With({ "volume", "-b", depth }, tank));
        EXPECT_EQ(named.exitCode, 0) << named.err;
        EXPECT_EQ(named.out, byDepth.out) << shape;
    }
}

TEST(CliHeads, HeightAndNewHeightInvertTheShapedVolume)
{
    const Args tank = { "--vertical", "-L", "1.5", "-D", "1.2", "--bottom-head-shape",
        "conical:0.5", "--top-head-shape", "80-6" };
    const auto volume = RunJson(With({ "volume", "--json", "-H", "0.31" }, tank));
    const double held = volume["result"]["value"].get<double>();
    const auto height = RunJson(With({ "height", "--json", "-V", std::to_string(held) }, tank));
    EXPECT_NEAR(
        height["result"]["value"].get<double>(), 0.31, 1e-6); // the volume went through text
    EXPECT_EQ(height["method"], "exact");
    const auto still
        = RunJson(With({ "new-height", "--json", "-H", "2.1", "-Q", "0", "-t", "5" }, tank));
    EXPECT_NEAR(still["result"]["value"].get<double>(), 2.1, 1e-12);
}

TEST(CliHeads, EveryShapesGaugeTableRisesToItsCapacity)
{
    for (const char* shape : { "flat", "2:1", "hemispherical", "asme-fd", "80-10", "80-6",
             "din28011", "din28013", "torispherical:2,0.03", "conical:0.7" }) {
        for (const char* orientation : { "--vertical", "" }) {
            Args tank = { "-L", "2", "-D", "1.4", "--head-shape", shape };
            if (*orientation)
                tank.push_back(orientation);
            const auto rows = RunJson(With({ "table", "--json", "--rows", "60" }, tank));
            ASSERT_EQ(rows.size(), 61u) << shape;
            for (std::size_t i = 1; i < rows.size(); ++i) {
                EXPECT_GT(rows[i]["volume"].get<double>(), rows[i - 1]["volume"].get<double>())
                    << shape << orientation << " row " << i;
            }
            const auto full = RunJson(With({ "volume", "--json", "-H", "0" }, tank));
            EXPECT_EQ(rows.back()["volume"], full["capacity"]["value"]) << shape << orientation;
            EXPECT_EQ(rows.back()["fill"], 100.0) << shape << orientation;
        }
    }
}

TEST(CliHeads, ExplicitMethodsWhereTheyApply)
{
    const Args tank = { "volume", "--json", "-L", "2", "-D", "1", "-H", "0.3" };
    EXPECT_EQ(
        RunJson(With(tank, { "--head-shape", "hemispherical", "--method", "table" }))["method"],
        "table");
    EXPECT_EQ(
        RunJson(With(tank, { "--head-shape", "hemispherical", "--method", "exact" }))["method"],
        "exact");
    EXPECT_EQ(
        RunJson(With(tank, { "--head-shape", "asme-fd", "--method", "exact" }))["method"], "exact");
}

TEST(CliHeads, UsageErrorsNameTheProblemInOneLine)
{
    const Args base = { "volume", "-L", "2", "-D", "1", "-H", "0.5" };
    const struct
    {
        Args args;
        std::vector<std::string> mentions;
    } cases[] = {
        { { "-b", "0.2", "--head-shape", "flat" }, { "-b", "--head-shape" } },
        { { "--bottom-head-shape", "flat" }, { "--bottom-head-shape", "vertical" } },
        { { "--head-shape", "flat", "--top-head-shape", "flat" }, { "--top-head-shape" } },
        { { "--vertical", "--bottom-head-shape", "flat" }, { "top head", "--top-head-shape" } },
        { { "--head-shape", "klöpper" }, { "klöpper", "asme-fd", "conical:Q" } },
        { { "--head-shape", "torispherical:0.4,0.1" }, { "0.4,0.1", "crown" } },
        { { "--head-shape", "torispherical:1,0.5" }, { "knuckle" } },
        { { "--head-shape", "torispherical:1" }, { "F,K" } },
        { { "--head-shape", "torispherical:1,x" }, { "\"x\"" } },
        { { "--head-shape", "conical:3 km" }, { "\"km\"", "--head-shape" } },
        { {}, { "-b", "--head-shape" } },
        { { "--head-shape", "asme-fd", "--method", "table" },
            { "--method table", "semi-ellipsoidal", "--method exact" } },
        { { "--vertical", "--head-shape", "2:1", "--top-head-shape", "conical:0.2", "--method",
              "table" },
            { "--method table" } },
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(With(base, c.args));
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        for (const std::string& mention : c.mentions)
            EXPECT_NE(run.err.find(mention), std::string::npos) << mention << " in " << run.err;
    }
}

// A negative depth is a tank that fails the check, as -b -0.1 is.
TEST(CliHeads, NegativeDepthFailsTheCheckLikeTheDepthOption)
{
    for (const char* shape : { "conical:-0.1", "ellipsoidal:-0.1" }) {
        const CliRun run
            = RunCli({ "volume", "-L", "2", "-D", "1", "-H", "0.5", "--head-shape", shape });
        EXPECT_EQ(run.exitCode, 1) << shape;
        EXPECT_EQ(run.err, "Warning: Check your inputs\n") << shape;
    }
}

} // namespace
