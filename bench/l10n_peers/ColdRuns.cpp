#include "ColdRuns.h"

#include "ChildMeasure.h"
#include "FreshRead.h"
#include "PeerCorpus.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>

namespace tankora::peers {

namespace {

constexpr int kColdRuns = 3;

const std::vector<int>& DistinctOrder()
{
    static const std::vector<int> order = [] {
        std::vector<int> indexes(kCorpusEntries);
        std::iota(indexes.begin(), indexes.end(), 0);
        std::mt19937 random(3);
        std::shuffle(indexes.begin(), indexes.end(), random);
        return indexes;
    }();
    return order;
}

struct ColdResult
{
    double floorSeconds = 0, openSeconds = 0, faults = 0;
};

// One child: its printed line, or nothing when it failed.
std::optional<ColdResult> RunChild(const std::string& runName)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(channel[1], STDOUT_FILENO);
        ::close(channel[0]);
        ::close(channel[1]);
        ::execl("/proc/self/exe", "l10n_peers_bench", kColdChildFlag, runName.c_str(),
            static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(channel[1]);
    std::string output;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return std::nullopt;
    ColdResult result;
    std::istringstream line(output);
    if (!(line >> result.floorSeconds >> result.openSeconds >> result.faults))
        return std::nullopt;
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string Microseconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds * 1e6);
    return text;
}

std::string Ratio(double a, double b)
{
    char text[32];
    const double ratio = b > 0 ? a / b : 0;
    std::snprintf(text, sizeof text, ratio >= 100 ? "%.0f" : ratio >= 0.1 ? "%.2f" : "%.2g", ratio);
    return text;
}

} // namespace

const std::vector<TranslatedCount>& TranslatedCounts()
{
    static const std::vector<TranslatedCount> counts { { "Translate1", 1 },
        { "Translate1000", 1000 }, { "Translate10000", 10000 },
        { "TranslateAll", static_cast<std::size_t>(kCorpusEntries) } };
    return counts;
}

double OpenAndTranslate(TranslationSystem& system, const std::string& language, std::size_t count)
{
    const std::vector<CorpusEntry>& corpus = Corpus();
    const std::vector<int>& order = DistinctOrder();
    bool allFound = true;
    const double start = ThreadCpuSeconds();
    system.Open(language);
    for (std::size_t i = 0; i < count; ++i)
        allFound &= system.Lookup(corpus[static_cast<std::size_t>(order[i])].native);
    const double seconds = ThreadCpuSeconds() - start;
    system.Close();
    return allFound ? seconds : -1;
}

int RunColdChild(const Systems& systems, const std::string& runName)
{
    const std::size_t first = runName.find('/'), second = runName.rfind('/');
    if (first == std::string::npos || first == second)
        return 2;
    const std::string name = runName.substr(0, first);
    const std::string language = runName.substr(first + 1, second - first - 1);
    const std::size_t count = std::stoul(runName.substr(second + 1));
    const auto system = std::find_if(systems.begin(), systems.end(),
        [&](const auto& candidate) { return candidate->Name() == name; });
    if (system == systems.end())
        return 2;
    // The corpus is made before anything is measured: it is not the system's work.
    Corpus();
    DistinctOrder();
    const double floorStart = ThreadCpuSeconds();
    if (bench::ReadIntoFreshBuffer((*system)->CataloguePath(language)) == 0)
        return 1;
    const double floorSeconds = ThreadCpuSeconds() - floorStart;
    const long faultsBefore = bench::ThreadFaults();
    const double seconds = OpenAndTranslate(**system, language, count);
    const long faults = bench::ThreadFaults() - faultsBefore;
    if (seconds < 0)
        return 1;
    std::printf("%.9f %.9f %ld\n", floorSeconds, seconds, faults);
    return 0;
}

void PrintColdRuns(std::ostream& out, const Systems& systems, const std::vector<std::string>& peers,
    const std::vector<std::string>& tankoraImages, const std::vector<std::string>& languages)
{
    // key: system/language/measure -> medians
    std::map<std::string, ColdResult> medians;
    for (const auto& system : systems) {
        for (const std::string& language : languages) {
            for (const TranslatedCount& counted : TranslatedCounts()) {
                const std::string runName
                    = system->Name() + "/" + language + "/" + std::to_string(counted.count);
                std::vector<double> floors, opens, faults;
                for (int run = 0; run < kColdRuns; ++run) {
                    if (const auto result = RunChild(runName)) {
                        floors.push_back(result->floorSeconds);
                        opens.push_back(result->openSeconds);
                        faults.push_back(result->faults);
                    }
                }
                if (!opens.empty())
                    medians[runName] = { Median(floors), Median(opens), Median(faults) };
            }
        }
    }

    out << "\nCold: each open in a fresh process, beside the floor read in that process"
           " (medians of "
        << kColdRuns << "; CPU microseconds; faults of the open + N lookups)\n";
    char line[200];
    std::snprintf(line, sizeof line, "%-14s %-4s %9s", "system", "lang", "floor");
    out << line;
    for (const TranslatedCount& counted : TranslatedCounts())
        out << ' '
            << std::string(static_cast<std::size_t>(std::max<int>(
                               0, 15 - static_cast<int>(std::string(counted.measure).size()))),
                   ' ')
            << counted.measure;
    out << "   faults(N=1)  N=1/floor\n";
    for (const auto& system : systems) {
        for (const std::string& language : languages) {
            const std::string prefix = system->Name() + "/" + language + "/";
            const auto first = medians.find(prefix + "1");
            std::snprintf(line, sizeof line, "%-14s %-4s %9s", system->Name().c_str(),
                language.c_str(),
                first == medians.end() ? "-" : Microseconds(first->second.floorSeconds).c_str());
            out << line;
            for (const TranslatedCount& counted : TranslatedCounts()) {
                const auto found = medians.find(prefix + std::to_string(counted.count));
                std::snprintf(line, sizeof line, " %15s",
                    found == medians.end() ? "-" : Microseconds(found->second.openSeconds).c_str());
                out << line;
            }
            if (first != medians.end()) {
                std::snprintf(line, sizeof line, " %13.0f %10s", first->second.faults,
                    Ratio(first->second.openSeconds, first->second.floorSeconds).c_str());
                out << line;
            }
            out << '\n';
        }
    }
    out << "\nCold ratios, peer / Tankora (above 1: Tankora is faster), per N\n";
    for (const std::string& tankora : tankoraImages) {
        for (const std::string& language : languages) {
            for (const TranslatedCount& counted : TranslatedCounts()) {
                const auto ours
                    = medians.find(tankora + "/" + language + "/" + std::to_string(counted.count));
                std::snprintf(line, sizeof line, "%-14s %-3s %-15s", tankora.c_str(),
                    language.c_str(), counted.measure);
                out << line;
                for (const std::string& peer : peers) {
                    const auto theirs
                        = medians.find(peer + "/" + language + "/" + std::to_string(counted.count));
                    out << "  " << peer << ' '
                        << (ours == medians.end() || theirs == medians.end()
                                   ? std::string("-")
                                   : Ratio(theirs->second.openSeconds, ours->second.openSeconds));
                }
                out << '\n';
            }
        }
    }
}

} // namespace tankora::peers
