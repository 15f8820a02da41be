// Opening the chart window: the window built, filled for a tank with the
// given number of steps (rows = steps + 1), shown and painted once, as the
// user first sees it. 1,000 rows are the baseline for 10,000 in the same
// run: the window should cost no more than linearly more for more rows.

#include "ui/chart/ChartForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

ChartTank BenchTank()
{
    ChartTank tank;
    tank.tank.Orientation = tankora::kHorizontal;
    tank.tank.TankLength = 3;
    tank.tank.TankDiameter = 2;
    tank.tank.HeadDepth = 0.5;
    tank.orientationName = "Horizontal Cylindrical Tank";
    tank.headsName = "Semi-ellipsoidal heads";
    tank.markedHeight = 0.8;
    return tank;
}

void OpenChartWindow(benchmark::State& state)
{
    const ChartTank tank = BenchTank();
    const QString steps = QString::number(state.range(0));
    for (auto _ : state) {
        TChartForm form;
        form.Open(tank);
        form.StepValue->setText(steps);
        form.Recompute();
        form.show();
        QCoreApplication::sendPostedEvents();
        const QPixmap painted = form.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    state.counters["rows"] = double(state.range(0) + 1);
}

BENCHMARK(OpenChartWindow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the wall time of each benchmark: the median when repeated
// (--benchmark_repetitions=9), else its one run.
class OpeningReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_ms[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio()
    {
        for (const auto& [name, median] : m_medians)
            m_ms[name] = median;
        const auto small = m_ms.find("OpenChartWindow/1000/real_time");
        const auto large = m_ms.find("OpenChartWindow/10000/real_time");
        if (small == m_ms.end() || large == m_ms.end() || small->second <= 0)
            return;
        std::printf("\nOpening the chart window: 1,001 rows %.1f ms, 10,001 rows %.1f ms, "
                    "ratio %.2fx (linear: 10x)\n",
            small->second, large->second, large->second / small->second);
    }

private:
    std::map<std::string, double> m_ms;
    std::map<std::string, double> m_medians;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    OpeningReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
