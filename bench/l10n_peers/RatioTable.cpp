#include "RatioTable.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace tankora::peers {

namespace {

constexpr const char* kMeasures[] = { "Load", "Hit", "Miss", "Resident" };
constexpr const char* kTranslated[]
    = { "Translate1", "Translate1000", "Translate10000", "TranslateAll" };

double ToNanoseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kSecond:
        return value * 1e9;
    case benchmark::kMillisecond:
        return value * 1e6;
    case benchmark::kMicrosecond:
        return value * 1e3;
    case benchmark::kNanosecond:
        break;
    }
    return value;
}

std::string Cell(double value)
{
    char text[32];
    // Two significant digits at least, also for ratios far below 1.
    std::snprintf(text, sizeof text, value >= 100 ? "%.0f" : value >= 0.1 ? "%.2f" : "%.2g", value);
    return text;
}

} // namespace

void RatioTable::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.aggregate_name != "median")
            continue;
        const std::string& name = run.run_name.function_name;
        const auto faults = run.counters.find("faults");
        if (faults != run.counters.end())
            m_faults[name] = faults->second.value;
        const auto resident = run.counters.find("resident_KiB");
        m_medians[name] = resident != run.counters.end()
            ? resident->second.value
            // Manual times are the opening thread's CPU times; otherwise this process's.
            : ToNanoseconds(run.run_name.time_type == "manual_time" ? run.GetAdjustedRealTime()
                                                                    : run.GetAdjustedCPUTime(),
                run.time_unit);
    }
}

void RatioTable::Print(std::ostream& out, const std::vector<std::string>& peers,
    const std::vector<std::string>& tankoraImages, const std::vector<std::string>& languages) const
{
    auto median = [&](const std::string& name) -> const double* {
        const auto found = m_medians.find(name);
        return found == m_medians.end() ? nullptr : &found->second;
    };
    auto ratio = [&](const std::string& over, const std::string& under) {
        const double* a = median(over);
        const double* b = median(under);
        return a && b && *b > 0 ? Cell(*a / *b) : std::string("-");
    };

    char line[200];
    std::vector<std::string> systems = peers;
    systems.insert(systems.end(), tankoraImages.begin(), tankoraImages.end());
    // Rows of medians: each measure and language, a column per system.
    const auto printMedians = [&](const std::vector<std::string>& measures) {
        for (const std::string& measure : measures) {
            for (const std::string& language : languages) {
                std::snprintf(line, sizeof line, "%-15s %-4s", measure.c_str(), language.c_str());
                out << line;
                for (const std::string& system : systems) {
                    const double* value = median(measure + "/" + system + "/" + language);
                    std::snprintf(line, sizeof line, " %14s", value ? Cell(*value).c_str() : "-");
                    out << line;
                }
                out << '\n';
            }
        }
    };
    // Rows of ratios: each peer over Tankora, and Tankora over its floor for Load.
    const auto printRatios = [&](const std::vector<std::string>& measures) {
        for (const std::string& tankora : tankoraImages) {
            for (const std::string& measure : measures) {
                for (const std::string& language : languages) {
                    std::snprintf(line, sizeof line, "%-16s %-15s %-3s", tankora.c_str(),
                        measure.c_str(), language.c_str());
                    out << line;
                    const std::string ours = measure + "/" + tankora + "/" + language;
                    for (const std::string& peer : peers)
                        out << "  " << peer << " "
                            << ratio(measure + "/" + peer + "/" + language, ours);
                    if (measure == "Load")
                        out << "  floor " << ratio(ours, "Floor/" + tankora + "/" + language);
                    out << '\n';
                }
            }
        }
    };

    out << "\nMedians (Floor/Load/Hit/Miss: CPU ns, Resident: KiB)\n";
    std::snprintf(line, sizeof line, "%-15s %-4s", "measure", "lang");
    out << line;
    for (const std::string& system : systems)
        out << ' '
            << std::string(
                   static_cast<std::size_t>(std::max<int>(0, 14 - static_cast<int>(system.size()))),
                   ' ')
            << system;
    out << '\n';
    printMedians({ "Floor", "Load", "Hit", "Miss", "Resident" });

    out << "\nRatios (peer / Tankora: above 1 means Tankora is faster or smaller;"
           " Tankora / floor for Load)\n";
    printRatios({ std::begin(kMeasures), std::end(kMeasures) });

    out << "\nPage faults of one Load (open to the first answer), medians\n";
    for (const std::string& system : systems) {
        for (const std::string& language : languages) {
            const auto found = m_faults.find("Load/" + system + "/" + language);
            std::snprintf(line, sizeof line, "%-16s %-3s %8s\n", system.c_str(), language.c_str(),
                found == m_faults.end() ? "-" : Cell(found->second).c_str());
            out << line;
        }
    }

    const std::vector<std::string> translated { std::begin(kTranslated), std::end(kTranslated) };
    out << "\nWarm: open, then translate N distinct texts once (CPU ns, medians)\n";
    printMedians(translated);
    out << "\nWarm ratios, peer / Tankora (above 1: Tankora is faster)\n";
    printRatios(translated);
}

} // namespace tankora::peers
