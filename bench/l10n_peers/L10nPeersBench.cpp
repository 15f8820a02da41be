// Tankora's dictionary against the localization systems in common use, on one
// generated corpus (65,535 texts; German, Japanese) compiled by each system's
// own tool at build time. Per system and language: open + load to the first
// answer (with its page faults), open and then translate N distinct texts
// once, a random hit, a random miss, the resident memory an open and 100,000
// lookups add (in a forked child); and the floor, reading the catalogue's
// bytes into a fresh buffer. Times are CPU times (the machine may be
// shared), medians of five repetitions; the ratio tables follow the runs.
// The same opens are then measured cold, each in a fresh process of this
// program beside the floor measured in that process (ColdRuns.h).

#include "ChildMeasure.h"
#include "ColdRuns.h"
#include "FreshRead.h"
#include "PeerCorpus.h"
#include "RatioTable.h"
#include "TranslationSystem.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

using namespace tankora::peers;

constexpr int kLookups = 100000;
constexpr int kMissingTexts = 4096;
constexpr int kRepetitions = 5;
// Few: the C library's list of gettext catalogues grows with each open.
constexpr int kOpensPerRepetition = 20;

const std::vector<std::string>& Natives()
{
    static const std::vector<std::string> natives = [] {
        std::vector<std::string> texts;
        for (const CorpusEntry& entry : Corpus())
            texts.push_back(entry.native);
        return texts;
    }();
    return natives;
}

const std::vector<std::string>& Missing()
{
    static const std::vector<std::string> texts = MissingTexts(kMissingTexts);
    return texts;
}

const std::vector<int>& HitOrder()
{
    static const std::vector<int> order = RandomOrder(kCorpusEntries, kLookups, 1u);
    return order;
}

const std::vector<int>& MissOrder()
{
    static const std::vector<int> order = RandomOrder(kMissingTexts, kLookups, 2u);
    return order;
}

// The floor: the catalogue's bytes into a freshly mapped buffer.
void ReadBytes(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        if (tankora::bench::ReadIntoFreshBuffer(path) == 0) {
            state.SkipWithError(("cannot read " + path).c_str());
            break;
        }
    }
}

// Timed by this thread's CPU clock; closing is not timed. Systems that cache
// by path open a fresh alias each time (a forked child would charge its
// copy-on-write faults to the open).
void OpenToFirstAnswer(
    benchmark::State& state, TranslationSystem& system, const std::string& language)
{
    const std::string& first = Natives()[static_cast<std::size_t>(HitOrder().front())];
    long faults = 0;
    for (auto _ : state) {
        const long faultsBefore = tankora::bench::ThreadFaults();
        const double start = ThreadCpuSeconds();
        system.Open(language);
        const bool found = system.Lookup(first);
        const double stop = ThreadCpuSeconds();
        faults += tankora::bench::ThreadFaults() - faultsBefore;
        system.Close();
        if (!found) {
            state.SkipWithError("the first text was not found");
            break;
        }
        state.SetIterationTime(stop - start);
    }
    state.counters["faults"]
        = benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}

// Open, then translate the first count texts of DistinctOrder once each:
// what an application pays for count texts. Every answer is checked.
void OpenThenTranslate(benchmark::State& state, TranslationSystem& system,
    const std::string& language, std::size_t count)
{
    for (auto _ : state) {
        const double seconds = OpenAndTranslate(system, language, count);
        if (seconds < 0) {
            state.SkipWithError("a text of the corpus was not found");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

// One lookup per iteration along a fixed random order; every answer is checked.
void Lookups(benchmark::State& state, TranslationSystem& system, const std::string& language,
    const std::vector<std::string>& texts, const std::vector<int>& order, bool expectFound)
{
    system.Open(language);
    std::size_t next = 0;
    for (auto _ : state) {
        if (system.Lookup(texts[static_cast<std::size_t>(order[next])]) != expectFound) {
            state.SkipWithError(expectFound ? "a text of the corpus was not found"
                                            : "a text not in the corpus was found");
            break;
        }
        next = next + 1 == order.size() ? 0 : next + 1;
    }
    system.Close();
}

void Resident(benchmark::State& state, TranslationSystem& system, const std::string& language)
{
    for (auto _ : state) {
        const auto growth = MeasureInChild([&] {
            const double before = ResidentKiB();
            system.Open(language);
            for (const int index : HitOrder())
                system.Lookup(Natives()[static_cast<std::size_t>(index)]);
            return ResidentKiB() - before;
        });
        if (!growth) {
            state.SkipWithError("the measuring child failed");
            break;
        }
        state.counters["resident_KiB"] = *growth;
    }
}

using Measure = std::function<void(benchmark::State&, TranslationSystem&, const std::string&)>;

// One measure for every system and language, as <name>/<system>/<language>.
// Measures are registered one after the other, all systems each, so that
// lookups run before the opens whose leftovers could burden them.
void Register(const char* name, const Systems& systems, const std::vector<std::string>& languages,
    const Measure& measure, const std::function<void(benchmark::internal::Benchmark*)>& configure)
{
    for (const auto& system : systems) {
        for (const std::string& language : languages) {
            auto* benchmark = benchmark::RegisterBenchmark(
                (std::string(name) + "/" + system->Name() + "/" + language).c_str(),
                [system, language, measure](
                    benchmark::State& state) { measure(state, *system, language); });
            configure(benchmark);
            benchmark->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
        }
    }
}

void RegisterAll(const Systems& systems, const std::vector<std::string>& languages)
{
    Register(
        "Floor", systems, languages,
        [](benchmark::State& state, TranslationSystem& system, const std::string& language) {
            ReadBytes(state, system.CataloguePath(language));
        },
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); });
    Register(
        "Hit", systems, languages,
        [](benchmark::State& state, TranslationSystem& system, const std::string& language) {
            Lookups(state, system, language, Natives(), HitOrder(), true);
        },
        [](benchmark::internal::Benchmark* b) { b->MinTime(0.2); });
    Register(
        "Miss", systems, languages,
        [](benchmark::State& state, TranslationSystem& system, const std::string& language) {
            Lookups(state, system, language, Missing(), MissOrder(), false);
        },
        [](benchmark::internal::Benchmark* b) { b->MinTime(0.2); });
    Register("Load", systems, languages, OpenToFirstAnswer, [](benchmark::internal::Benchmark* b) {
        b->UseManualTime()->Iterations(kOpensPerRepetition)->Unit(benchmark::kMicrosecond);
    });
    for (const TranslatedCount& counted : TranslatedCounts()) {
        const std::size_t count = counted.count;
        Register(
            counted.measure, systems, languages,
            [count](benchmark::State& state, TranslationSystem& system,
                const std::string& language) { OpenThenTranslate(state, system, language, count); },
            [](benchmark::internal::Benchmark* b) {
                b->UseManualTime()->Iterations(5)->Unit(benchmark::kMicrosecond);
            });
    }
    Register("Resident", systems, languages, Resident,
        [](benchmark::internal::Benchmark* b) { b->Iterations(1); });
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = L10N_PEERS_DATA_DIR;
    std::vector<std::shared_ptr<TranslationSystem>> peers { MakeGettextSystem(folder),
        MakeQtSystem(folder), MakeIcuSystem(folder) };
    std::vector<std::shared_ptr<TranslationSystem>> tankora { MakeTankoraSystem(folder, true),
        MakeTankoraSystem(folder, false) };
    // A child of the cold runs measures one open and ends.
    if (argc == 3 && std::string(argv[1]) == kColdChildFlag) {
        Systems all = peers;
        all.insert(all.end(), tankora.begin(), tankora.end());
        return RunColdChild(all, argv[2]);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::vector<std::string> languages { "de", "ja" };

    std::vector<std::string> peerNames;
    std::vector<std::string> tankoraNames;
    for (const auto& system : peers)
        peerNames.push_back(system->Name());
    for (const auto& system : tankora)
        tankoraNames.push_back(system->Name());
    Systems all = peers;
    all.insert(all.end(), tankora.begin(), tankora.end());
    RegisterAll(all, languages);
    benchmark::SetDefaultTimeUnit(benchmark::kNanosecond);

    RatioTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    table.Print(std::cout, peerNames, tankoraNames, languages);
    PrintTankoraMemory(std::cout, folder);
    PrintColdRuns(std::cout, all, peerNames, tankoraNames, languages);
    benchmark::Shutdown();
    return 0;
}
