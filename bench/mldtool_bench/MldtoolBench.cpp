// mldtool check on square images of N languages x N entries, N = 256 ... 2048,
// and import-po of large catalogues, each beside its floor in the same run:
// Check/N and CheckJson/N against DumpAll/N (reading every cell of the image
// once), ImportPo/M against ReadPo/M (parsing the catalogue). Time and memory
// should grow with the image (N*N cells): the ns_per_cell and MiB_peak
// counters stay flat and proportional as N doubles.

#include "GridInputs.h"
#include "MldCheck.h"
#include "MldDump.h"
#include "PeakMemory.h"
#include "PoImport.h"
#include "l10n/po/PoReader.h"

#include <nlohmann/json.hpp>

#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

namespace {

using namespace tankora;

// Output that goes nowhere, so printing costs what formatting costs.
class NullBuffer : public std::streambuf
{
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void Counters(benchmark::State& state, double cells, double peakMiB)
{
    state.counters["cells"] = cells;
    state.counters["ns_per_cell"] = benchmark::Counter(
        cells * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["MiB_peak"] = peakMiB;
}

void DumpAll(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const std::string path = bench::GridImagePath(size);
    mld::DumpOptions options;
    options.all = true;
    options.exactUnicode = true;
    std::size_t characters = 0;
    const auto read = [&] {
        mld::DumpMld(path, options, [&](std::size_t, const mld::EntryColumns& entry) {
            for (const std::string& text : entry.translations)
                characters += text.size();
        });
    };
    for (auto _ : state)
        read();
    benchmark::DoNotOptimize(characters);
    Counters(state, double(size) * size, bench::PeakGrowthMiB(read));
}

void Check(benchmark::State& state, bool asJson)
{
    const int size = static_cast<int>(state.range(0));
    const std::string path = bench::GridImagePath(size);
    NullBuffer nothing;
    std::ostream out(&nothing);
    std::size_t findings = 0;
    const auto check = [&] {
        const mld::CheckReport report = mld::CheckMld(path, {});
        (asJson ? mld::PrintCheckJson : mld::PrintCheckText)(report, out);
        findings = report.findings.size();
    };
    for (auto _ : state)
        check();
    Counters(state, double(size) * size, bench::PeakGrowthMiB(check));
    state.counters["findings"] = static_cast<double>(findings);
}

void CheckText(benchmark::State& state)
{
    Check(state, false);
}

void CheckJson(benchmark::State& state)
{
    Check(state, true);
}

void ReadPo(benchmark::State& state)
{
    const std::string path = bench::PoPath(static_cast<int>(state.range(0)));
    std::size_t messages = 0;
    const auto read = [&] {
        try {
            messages = po::ReadPoFile(path, 0xFFFF).entries.size();
        } catch (const po::PoSyntaxError&) {
            messages = 0xFFFF + 1; // stopped at the limit, as import-po does
        }
    };
    for (auto _ : state)
        read();
    Counters(state, double(state.range(0)), bench::PeakGrowthMiB(read));
    state.counters["messages"] = static_cast<double>(messages);
}

void ImportPo(benchmark::State& state)
{
    const std::string image = bench::GridImagePath(2);
    const std::string path = bench::PoPath(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    const auto import = [&] {
        try {
            bytes = mld::ImportPo(image, { path }, {}).size();
        } catch (const std::exception&) {
            bytes = 0; // past the record limit: refused at the first message too many
        }
    };
    for (auto _ : state)
        import();
    Counters(state, double(state.range(0)), bench::PeakGrowthMiB(import));
    state.counters["image_bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(DumpAll)->Arg(256)->Arg(512)->Arg(1024)->Arg(2048)->Iterations(1)->Unit(
    benchmark::kMillisecond);
BENCHMARK(CheckText)->Arg(256)->Arg(512)->Arg(1024)->Arg(2048)->Iterations(1)->Unit(
    benchmark::kMillisecond);
BENCHMARK(CheckJson)->Arg(256)->Arg(512)->Arg(1024)->Arg(2048)->Iterations(1)->Unit(
    benchmark::kMillisecond);
BENCHMARK(ReadPo)->Arg(60000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportPo)->Arg(60000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
