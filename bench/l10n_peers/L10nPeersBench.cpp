// Tankora's dictionary against the localization systems in common use, on one
// generated corpus (65,535 texts; German, Japanese) compiled by each system's
// own tool at build time. Per system and language: open + load to the first
// answer, a random hit, a random miss, the resident memory 100,000 lookups
// leave behind; and the floor, reading the catalogue's bytes. Medians of five
// repetitions; the ratio table follows the runs.

#include "PeerCorpus.h"
#include "RatioTable.h"
#include "ResidentMemory.h"
#include "TranslationSystem.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

using namespace tankora::peers;

constexpr int kLookups = 100000;
constexpr int kMissingTexts = 4096;
constexpr int kRepetitions = 5;
constexpr int kOpensPerRepetition = 100;

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

void ReadBytes(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        std::vector<char> bytes(static_cast<std::size_t>(in.tellg()));
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!in) {
            state.SkipWithError(("cannot read " + path).c_str());
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
}

void OpenToFirstAnswer(
    benchmark::State& state, TranslationSystem& system, const std::string& language)
{
    const std::string& first = Natives()[static_cast<std::size_t>(HitOrder().front())];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        system.Open(language);
        const bool found = system.Lookup(first);
        const auto stop = std::chrono::steady_clock::now();
        system.Close();
        if (!found) {
            state.SkipWithError("the first text was not found");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
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
        const long growth = ResidentGrowthKiB([&] {
            system.Open(language);
            for (const int index : HitOrder())
                system.Lookup(Natives()[static_cast<std::size_t>(index)]);
        });
        if (growth < 0) {
            state.SkipWithError("the measuring child failed");
            break;
        }
        state.counters["resident_KiB"] = static_cast<double>(growth);
    }
}

void Register(const std::shared_ptr<TranslationSystem>& system, const std::string& language)
{
    const std::string suffix = "/" + system->Name() + "/" + language;
    const std::string catalogue = system->CataloguePath(language);
    benchmark::RegisterBenchmark(("Floor" + suffix).c_str(), [catalogue](benchmark::State& state) {
        ReadBytes(state, catalogue);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Load" + suffix).c_str(),
        [system, language](
            benchmark::State& state) { OpenToFirstAnswer(state, *system, language); })
        ->UseManualTime()
        ->Iterations(kOpensPerRepetition)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Hit" + suffix).c_str(),
        [system, language](benchmark::State& state) {
            Lookups(state, *system, language, Natives(), HitOrder(), true);
        })
        ->MinTime(0.2);
    benchmark::RegisterBenchmark(("Miss" + suffix).c_str(),
        [system, language](benchmark::State& state) {
            Lookups(state, *system, language, Missing(), MissOrder(), false);
        })
        ->MinTime(0.2);
    benchmark::RegisterBenchmark(("Resident" + suffix).c_str(),
        [system, language](benchmark::State& state) { Resident(state, *system, language); })
        ->Iterations(1);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::string folder = L10N_PEERS_DATA_DIR;
    const std::vector<std::string> languages { "de", "ja" };

    std::vector<std::shared_ptr<TranslationSystem>> peers { MakeGettextSystem(folder),
        MakeQtSystem(folder), MakeIcuSystem(folder) };
    // TANKORA SLOT: the binary dictionary (TIvBinaryDictionary) over
    // peers-8bit.mld and peers-utf16.mld joins here once it is built; until
    // then Tankora is not measured and the ratio table says so.
    std::vector<std::shared_ptr<TranslationSystem>> tankora;

    std::vector<std::string> peerNames;
    std::vector<std::string> tankoraNames;
    for (const auto& system : peers)
        peerNames.push_back(system->Name());
    for (const auto& system : tankora)
        tankoraNames.push_back(system->Name());
    for (const auto& systems : { peers, tankora })
        for (const auto& system : systems)
            for (const std::string& language : languages)
                Register(system, language);
    benchmark::SetDefaultTimeUnit(benchmark::kNanosecond);

    RatioTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    table.Print(std::cout, peerNames, tankoraNames, languages);
    benchmark::Shutdown();
    return 0;
}
