#include "calc/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace tankora;

namespace {

struct Conversion
{
    std::string unit;
    double value;
    double expected;
};

// Prints the unit in failure messages of the table-driven tests.
void PrintTo(const Conversion& c, std::ostream* os)
{
    *os << '"' << c.unit << "\" " << c.value;
}

class LengthToMetresTest : public testing::TestWithParam<Conversion>
{ };

TEST_P(LengthToMetresTest, ConvertsByName)
{
    const Conversion& c = GetParam();
    EXPECT_DOUBLE_EQ(LengthToMetres(c.unit, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Units, LengthToMetresTest,
    testing::Values(Conversion { "m", 3, 3 }, Conversion { "cm", 250, 2.5 },
        Conversion { "mm", 1500, 1.5 }, Conversion { "inches", 10, 0.254 },
        Conversion { "in", 10, 0.254 }, Conversion { "feet", 2, 0.6096 },
        Conversion { "yards", 2, 1.8288 },
        // Unrecognised names are taken to be metres already.
        Conversion { "km", 7, 7 }, Conversion { "M", 7, 7 }, Conversion { "", 7, 7 },
        Conversion { " cm", 7, 7 }, Conversion { "cm ", 7, 7 }));

class MetresToLengthTest : public testing::TestWithParam<Conversion>
{ };

TEST_P(MetresToLengthTest, ConvertsByName)
{
    const Conversion& c = GetParam();
    EXPECT_DOUBLE_EQ(MetresToLength(c.unit, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Units, MetresToLengthTest,
    testing::Values(Conversion { "m", 3, 3 }, Conversion { "cm", 2.5, 250 },
        Conversion { "mm", 2, 2000 }, Conversion { "in", 0.254, 10 },
        Conversion { "inches", 0.254, 10 }, Conversion { "feet", 0.6096, 2 },
        Conversion { "yards", 1.8288, 2 }, Conversion { "furlong", 7, 7 }));

TEST(Units, MetricLengthsAreShownByMultiplyingNotDividing)
{
    // 0.283 / 0.001 is 282.99999999999994; the multiplication gives 283 exactly.
    EXPECT_EQ(MetresToLength("mm", 0.283), 283.0);
    EXPECT_EQ(MetresToLength("cm", 1.1), 1.1 * 100);
}

class VolumeUnitTest : public testing::TestWithParam<Conversion>
{ };

TEST_P(VolumeUnitTest, ConvertsBothWaysWithTheSameFactor)
{
    const Conversion& c = GetParam();
    EXPECT_DOUBLE_EQ(VolumeToCubicMetres(c.unit, c.value), c.expected);
    EXPECT_DOUBLE_EQ(CubicMetresToVolume(c.unit, c.expected), c.value);
}

INSTANTIATE_TEST_SUITE_P(Units, VolumeUnitTest,
    // The imperial factors are the cubes of 0.0254, 0.3048 and 0.9144 m; the
    // US gallon is 231 in3, the UK gallon 4.54609 litres.
    testing::Values(Conversion { "m3", 2, 2 }, Conversion { "cm3", 1e6, 1 },
        Conversion { "mm3", 1e9, 1 }, Conversion { "in3", 1000, 0.016387064 },
        Conversion { "ft3", 100, 2.8316846592 }, Conversion { "yd3", 10, 7.64554857984 },
        Conversion { "US gal", 1000, 3.785411784 },
        Conversion { "US gal", 1, 231 * 0.000016387064 }, Conversion { "UK gal", 1000, 4.54609 },
        Conversion { "litres", 392.6991, 0.3926991 }));

TEST(Units, UnrecognisedVolumeUnitGivesZeroBothWays)
{
    for (const char* name : { "Litres", "m³", "", "gal", " m3" }) {
        EXPECT_EQ(VolumeToCubicMetres(name, 5), 0.0) << name;
        EXPECT_EQ(CubicMetresToVolume(name, 5), 0.0) << name;
    }
}

class FlowTest : public testing::TestWithParam<Conversion>
{ };

TEST_P(FlowTest, ConvertsToCubicMetresPerSecond)
{
    const Conversion& c = GetParam();
    EXPECT_DOUBLE_EQ(FlowToCubicMetresPerSecond(c.unit, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Units, FlowTest,
    testing::Values(Conversion { "m3/s", 2, 2 }, Conversion { "m3/min", 60, 1 },
        Conversion { "m3/h", 3600, 1 }, Conversion { "usgpm", 60, 0.003785411784 },
        Conversion { "usgpm", 1, 0.0000630901964 }, Conversion { "gpm", 60, 0.00454609 },
        Conversion { "l/s", 5, 0.005 }, Conversion { "l/min", 60, 0.001 },
        Conversion { "l/h", 3600, 0.001 }, Conversion { "L/min", 60, 60 },
        Conversion { "cfm", 3, 3 }));

TEST(Units, LitresPerMinuteConvertToLitresPerSecondBeforeDividing)
{
    // x * 0.001 / 60 and x * (0.001 / 60) differ in the last bit for x = 10.
    EXPECT_EQ(FlowToCubicMetresPerSecond("l/min", 10), 0.00016666666666666666);
    EXPECT_EQ(FlowToCubicMetresPerSecond("l/h", 10), 10 * 0.001 / 3600);
}

// Two routes to the same quantity agree, and a round quantity stays round to
// the last digit the window shows (four decimals, so 1e-9 relative is ample).
TEST(Units, RoutesToTheSameQuantityAgree)
{
    const auto flowed = [](const char* flow, double rate, const char* time, double duration) {
        return FlowToCubicMetresPerSecond(flow, rate) * TimeToSeconds(time, duration);
    };
    EXPECT_NEAR(flowed("m3/h", 1, "hour", 1000), 1000, 1e-9);
    EXPECT_NEAR(flowed("l/h", 1000, "hour", 1000), 1000, 1e-9);
    EXPECT_NEAR(flowed("m3/min", 1, "min", 1000), 1000, 1e-9);
    EXPECT_NEAR(flowed("l/min", 1000, "min", 1000), 1000, 1e-9);
    EXPECT_NEAR(CubicMetresToVolume("US gal", flowed("usgpm", 100, "day", 1)), 144000, 1e-7);
    EXPECT_NEAR(CubicMetresToVolume("UK gal", flowed("gpm", 100, "day", 1)), 144000, 1e-7);
    EXPECT_NEAR(CubicMetresToVolume("litres", flowed("l/s", 1, "hour", 1)), 3600, 1e-9);
}

TEST(Units, OneCubicMetreInTheImperialUnits)
{
    // 1 / 0.003785411784, 1 / 0.00454609, 1 / 0.3048^3, 1 / 0.0254^3, 1 / 0.9144^3.
    EXPECT_NEAR(CubicMetresToVolume("US gal", 1), 264.17205235814845, 1e-12);
    EXPECT_NEAR(CubicMetresToVolume("UK gal", 1), 219.96924829908778, 1e-12);
    EXPECT_NEAR(CubicMetresToVolume("ft3", 1), 35.314666721488590, 1e-12);
    EXPECT_NEAR(CubicMetresToVolume("in3", 1), 61023.744094732284, 1e-9);
    EXPECT_NEAR(CubicMetresToVolume("yd3", 1), 1.3079506193143922, 1e-14);
    // A foot is 12 inches and a yard 3 feet, in cubes as well.
    EXPECT_NEAR(VolumeToCubicMetres("ft3", 1), VolumeToCubicMetres("in3", 1728), 1e-16);
    EXPECT_NEAR(VolumeToCubicMetres("yd3", 1), VolumeToCubicMetres("ft3", 27), 1e-15);
}

class TimeTest : public testing::TestWithParam<Conversion>
{ };

TEST_P(TimeTest, ConvertsToSeconds)
{
    const Conversion& c = GetParam();
    EXPECT_DOUBLE_EQ(TimeToSeconds(c.unit, c.value), c.expected);
    EXPECT_DOUBLE_EQ(SecondsToTime(c.unit, c.expected), c.value);
}

INSTANTIATE_TEST_SUITE_P(Units, TimeTest,
    testing::Values(Conversion { "s", 9, 9 }, Conversion { "min", 2, 120 },
        Conversion { "hour", 2, 7200 }, Conversion { "day", 2, 172800 },
        Conversion { "days", 2, 2 }, Conversion { "h", 2, 2 }));

TEST(Units, NamesAreComparedOnTheirFirstTenCharactersOnly)
{
    // Cutting "m3/min" padded to 11 characters leaves a 10-character name
    // that no list holds, so it is as unrecognised as any other.
    const std::string padded = "m3/min     ";
    ASSERT_GT(padded.size(), 10u);
    EXPECT_EQ(FlowToCubicMetresPerSecond(padded, 4), 4.0);
    EXPECT_EQ(VolumeToCubicMetres("litres-and-more", 4), 0.0);
    EXPECT_EQ(LengthToMetres(std::string(1000, 'x'), 4), 4.0);
}

TEST(Units, EveryListedNameIsRecognisedByItsConversion)
{
    for (std::string_view name : kLengthEntryUnits)
        EXPECT_EQ(LengthToMetres(name, 1) == 1, name == "m") << name;
    for (std::string_view name : kLengthResultUnits)
        EXPECT_EQ(MetresToLength(name, 1) == 1, name == "m") << name;
    for (std::string_view name : kVolumeUnits)
        EXPECT_NE(VolumeToCubicMetres(name, 1), 0.0) << name;
    for (std::string_view name : kFlowUnits)
        EXPECT_EQ(FlowToCubicMetresPerSecond(name, 1) == 1, name == "m3/s") << name;
    for (std::string_view name : kTimeUnits)
        EXPECT_EQ(TimeToSeconds(name, 1) == 1, name == "s") << name;
}

TEST(Units, InchesInTheEntryListAreInInTheResultList)
{
    EXPECT_EQ(ResultLengthUnitFor("inches"), "in");
    for (std::string_view name : { "m", "cm", "mm", "feet", "yards" })
        EXPECT_EQ(ResultLengthUnitFor(name), name);
}

TEST(Units, FiniteInEveryResultUnitLooksAtTheSmallestUnitOfBothLists)
{
    EXPECT_TRUE(FiniteInEveryResultUnit(1e290));
    // Finite in m3 and m, but not in mm3 (x 1e9).
    EXPECT_FALSE(FiniteInEveryResultUnit(1e300));
    EXPECT_FALSE(FiniteInEveryResultUnit(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(FiniteInEveryResultUnit(std::nan("")));
}

} // namespace
