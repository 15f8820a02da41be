// Reading all entries of one column from an image of 65,535 entries x 16
// languages, 8-bit and UTF-16, against reading the file's bytes into memory
// in the same run. Compare ReadColumn/<form> with ReadBytes/<form>.

#include "BenchImages.h"
#include "l10n/mld/MldFile.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <vector>

namespace {

using tankora::bench::kRussianColumn;

std::string ImagePath(bool ansi)
{
    return tankora::bench::ImagePath({ ansi, false });
}

void ReadBytes(benchmark::State& state)
{
    const std::string path = ImagePath(state.range(0) != 0);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        std::vector<char> bytes(static_cast<std::size_t>(in.tellg()));
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(state.range(0) ? "8-bit" : "UTF-16");
}

void ReadColumn(benchmark::State& state)
{
    const std::string path = ImagePath(state.range(0) != 0);
    for (auto _ : state) {
        TIvMLDFile reader;
        reader.OpenFile(path);
        const int codePage = reader.LanguageAt(kRussianColumn)->CodePage;
        reader.SeekTranslations();
        TIvTranslation entry({}, {}, {});
        std::size_t characters = 0;
        for (int i = 0; i < reader.TranslationCount(); ++i) {
            reader.ReadTranslation(entry, kRussianColumn, codePage);
            characters += entry.Translation.size();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetLabel(state.range(0) ? "8-bit" : "UTF-16");
}

} // namespace

BENCHMARK(ReadBytes)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadColumn)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
