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
    testing::Values(Conversion { "m3", 2, 2 }, Conversion { "cm3", 1e6, 1 },
        Conversion { "mm3", 1e9, 1 }, Conversion { "in3", 1000, 0.01639 },
        Conversion { "ft3", 100, 2.832 }, Conversion { "yd3", 10, 7.6456 },
        Conversion { "US gal", 1000, 3.785 }, Conversion { "UK gal", 1000, 4.546 },
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
    testing::Values(Conversion { "m3/s", 2, 2 }, Conversion { "m3/min", 1, 0.0166667 },
        Conversion { "m3/h", 1, 0.0002778 }, Conversion { "usgpm", 1, 0.00006311641 },
        Conversion { "gpm", 1, 0.00007577 }, Conversion { "l/s", 5, 0.005 },
        Conversion { "l/min", 60, 0.001 }, Conversion { "l/h", 3600, 0.001 },
        Conversion { "L/min", 60, 60 }, Conversion { "cfm", 3, 3 }));

TEST(Units, LitresPerMinuteConvertToLitresPerSecondBeforeDividing)
{
    // x * 0.001 / 60 and x * (0.001 / 60) differ in the last bit for x = 10.
    EXPECT_EQ(FlowToCubicMetresPerSecond("l/min", 10), 0.00016666666666666666);
    EXPECT_EQ(FlowToCubicMetresPerSecond("l/h", 10), 10 * 0.001 / 3600);
}

class TimeTest : public testing::TestWithParam<Conversion>
{ };

TEST_P(TimeTest, ConvertsToSeconds)
{
    const Conversion& c = GetParam();
    EXPECT_DOUBLE_EQ(TimeToSeconds(c.unit, c.value), c.expected);
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
