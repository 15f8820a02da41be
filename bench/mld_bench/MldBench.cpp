// Reading all entries of one column from an image of 65,535 entries x 16
// languages, 8-bit and UTF-16, against reading the file's bytes into memory
// in the same run. Compare ReadColumn/<form> with ReadBytes/<form>.

#include "MldWriter.h"
#include "l10n/IvMLDFil.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr int kEntries = 65535;
constexpr int kLanguages = 16;
constexpr int kColumn = 9; // Russian, code page 1251

struct BenchLanguage
{
    int primary;
    int codePage;
    const char* word; // a translated word in the language's script
};

constexpr BenchLanguage kBenchLanguages[kLanguages] = {
    { 0, 1252, "Calculate" },
    { 7, 1252, "Berechnen" },
    { 12, 1252, "Calculer" },
    { 10, 1252, "Calcular" },
    { 16, 1252, "Calcolare" },
    { 19, 1252, "Berekenen" },
    { 21, 1250, "Obliczać" },
    { 5, 1250, "Vypočítat" },
    { 14, 1250, "Kiszámít" },
    { 25, 1251, "Рассчитать" },
    { 34, 1251, "Розрахувати" },
    { 8, 1253, "Υπολογισμός" },
    { 31, 1254, "Hesapla" },
    { 17, 932, "計算する" },
    { 4, 936, "计算" },
    { 18, 949, "계산" },
};

std::string ImagePath(bool ansi)
{
    return (std::filesystem::temp_directory_path()
        / (ansi ? "mld_bench_8bit.mld" : "mld_bench_utf16.mld"))
        .string();
}

void WriteImage(bool ansi)
{
    using nlohmann::json;
    json languages = json::array();
    for (const BenchLanguage& language : kBenchLanguages) {
        languages.push_back({ { "primaryLanguage", language.primary }, { "isoLanguageName", "xx" },
            { "defaultSubLanguage", language.primary == 0 ? 0 : 1 }, { "isoCountryName", "XX" },
            { "subLanguages", json::array() }, { "subLanguageNames", json::array() },
            { "charset", 0 }, { "codePage", language.codePage }, { "flags", 0 },
            { "englishName", "Language" }, { "nativeName", language.word }, { "fontName", "" },
            { "fontSize", 0 } });
    }
    json entries = json::array();
    for (int i = 0; i < kEntries; ++i) {
        // Appended, not concatenated: g++ 12 warns falsely on "literal" + string.
        std::string number(" ");
        number.append(std::to_string(i));
        json translations = json::array();
        for (int c = 1; c < kLanguages; ++c)
            translations.push_back(std::string(kBenchLanguages[c].word).append(number));
        entries.push_back({ { "native", std::string(kBenchLanguages[0].word).append(number) },
            { "context", "" }, { "subContext", "" }, { "translations", std::move(translations) } });
    }
    const json description = { { "header",
                                   { { "version", 3 }, { "littleEndian", true },
                                       { "ansiStrings", ansi }, { "contextKind", 0 } } },
        { "languages", languages }, { "locales", json::array() }, { "entries", entries } };
    std::ofstream(ImagePath(ansi), std::ios::binary) << tankora::mld::BuildMldImage(description);
}

void EnsureImages()
{
    static const bool written = [] {
        WriteImage(true);
        WriteImage(false);
        return true;
    }();
    (void)written;
}

void ReadBytes(benchmark::State& state)
{
    EnsureImages();
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
    EnsureImages();
    const std::string path = ImagePath(state.range(0) != 0);
    for (auto _ : state) {
        TIvMLDFile reader;
        reader.OpenFile(path);
        const int codePage = reader.LanguageAt(kColumn)->CodePage;
        reader.SeekTranslations();
        TIvTranslation entry({}, {}, {});
        std::size_t characters = 0;
        for (int i = 0; i < reader.TranslationCount(); ++i) {
            reader.ReadTranslation(entry, kColumn, codePage);
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
