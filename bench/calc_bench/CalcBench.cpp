// Engine speed: CalcVolume and the height solves of both orientations, each
// beside the closed-form exact volume of the same tank as the baseline.
// After the usual report, prints each engine benchmark's time as a ratio to
// the baseline of its orientation measured in the same run, and each head
// shape's (HeadsBench.cpp, with the one-off build of a shape's lying table)
// as a ratio to the ellipsoidal exact volume.

#include "calc/LevelSolver.h"
#include "calc/Tank.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <string>

using namespace tankora;

namespace {

constexpr std::size_t kLevels = 64;
constexpr double kLength = 3.0;
constexpr double kDiameter = 2.0;
constexpr double kHead = 0.5;

// Discards messages; counts them so the call cannot be optimised away.
class CountingSink : public MessageSink
{
public:
    void Show(MessageKind, std::string_view) override { ++count; }
    int count = 0;
};

TankState BaseTank(int orientation)
{
    TankState s;
    s.Orientation = orientation;
    s.TankLength = kLength;
    s.TankDiameter = kDiameter;
    s.HeadDepth = kHead;
    return s;
}

// Checked states at kLevels heights spread over the whole tank, with the
// volume each holds as the target of the height solve.
std::array<TankState, kLevels> CheckedStates(int orientation)
{
    std::array<TankState, kLevels> states;
    for (std::size_t i = 0; i < kLevels; ++i) {
        TankState s = BaseTank(orientation);
        s.LiquidHeight = FullHeight(s) * (static_cast<double>(i) + 0.37) / kLevels;
        CheckInputs(s, CalcMode::Volume);
        s.LiquidVolume = CalcVolume(s);
        states[i] = s;
    }
    return states;
}

// The exact volumes read the tank from the state, as the engine does, so
// the compiler cannot fold the dimensions into constants.
double ClosedFormHorizontal(const TankState& s)
{
    const double d = s.TankDiameter;
    const double h = s.LiquidHeight;
    const double r = d / 2;
    const double x = h / d;
    const double shell
        = s.TankLength * (r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(2 * r * h - h * h));
    return shell + std::numbers::pi / 3 * d * d * s.HeadDepth * x * x * (3 - 2 * x);
}

double ClosedFormVertical(const TankState& s)
{
    // Heads' ellipsoid filled to (H1 + H2) / 2b, plus the straight shell part.
    const double d = s.TankDiameter;
    const double b = s.HeadDepth;
    const double l = s.TankLength;
    const double h = s.LiquidHeight;
    const double inHeads = h < b ? h : (h < b + l ? b : h - l);
    const double inShell = std::clamp(h - b, 0.0, l);
    const double x = inHeads / (2 * b);
    return std::numbers::pi / 3 * d * d * b * x * x * (3 - 2 * x)
        + std::numbers::pi / 4 * d * d * inShell;
}

template <typename Body> void CycleLevels(benchmark::State& state, int orientation, Body body)
{
    const auto states = CheckedStates(orientation);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body(states[i]));
        i = (i + 1) % kLevels;
    }
}

void ClosedFormVolume(benchmark::State& state, int orientation)
{
    CycleLevels(state, orientation, [orientation](const TankState& s) {
        return orientation == kHorizontal ? ClosedFormHorizontal(s) : ClosedFormVertical(s);
    });
}

void EngineVolume(benchmark::State& state, int orientation)
{
    CycleLevels(state, orientation, [](const TankState& s) { return CalcVolume(s); });
}

void EngineHeight(benchmark::State& state, int orientation)
{
    CountingSink sink;
    CycleLevels(state, orientation, [&sink](const TankState& s) { return CalcHeight(s, sink); });
    benchmark::DoNotOptimize(sink.count);
}

BENCHMARK_CAPTURE(ClosedFormVolume, horizontal, kHorizontal);
BENCHMARK_CAPTURE(EngineVolume, horizontal, kHorizontal);
BENCHMARK_CAPTURE(EngineHeight, horizontal, kHorizontal);
BENCHMARK_CAPTURE(ClosedFormVolume, vertical, kVertical);
BENCHMARK_CAPTURE(EngineVolume, vertical, kVertical);
BENCHMARK_CAPTURE(EngineHeight, vertical, kVertical);

// Keeps each benchmark's time per iteration (the median when repeated, as
// with --benchmark_repetitions=9) so the ratios can follow the report.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = run.GetAdjustedCPUTime();
            else if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios()
    {
        for (const auto& [name, median] : medians)
            times[name] = median;
        std::printf(
            "\nCPU time per call, as a ratio to the closed-form volume of the same tank:\n");
        for (const char* orientation : { "horizontal", "vertical" }) {
            const auto baseline = times.find(std::string("ClosedFormVolume/") + orientation);
            if (baseline == times.end() || baseline->second <= 0)
                continue;
            for (const char* name : { "EngineVolume/", "EngineHeight/" }) {
                const auto found = times.find(name + std::string(orientation));
                if (found != times.end())
                    PrintRatio(found->first, found->second, baseline->second);
            }
        }
        std::printf("\nHead shapes, as a ratio to the ellipsoidal exact volume of the same "
                    "orientation:\n");
        for (const char* orientation : { "horizontal", "vertical" }) {
            const auto baseline = times.find(std::string("ExactVolume/ellipsoidal_") + orientation);
            if (baseline == times.end() || baseline->second <= 0)
                continue;
            for (const auto& [name, time] : times) {
                const bool head = name.starts_with("ExactVolume/")
                    || name.starts_with("ExactHeight/") || name.starts_with("LyingTableBuild/");
                if (head && name.ends_with(orientation))
                    PrintRatio(name, time, baseline->second);
            }
        }
    }

    static void PrintRatio(const std::string& name, double time, double baseline)
    {
        std::printf("  %-42s %11.1f ns  %8.2fx\n", name.c_str(), time, time / baseline);
    }

    std::map<std::string, double> times;
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
