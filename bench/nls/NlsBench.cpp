// Each pair runs the platform call against a baseline in the same run: the
// ICU work the call would do without its cache, or the C library's
// formatting. Compare the ratios, not the absolute times.

#include "nls/CodePages.h"
#include "nls/Collation.h"
#include "nls/NumberText.h"

#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>
#include <unicode/ucol.h>

#include <cstdio>
#include <string>

namespace {

const std::u16string kText = u"Volume entered exceed total possible volume \u00E4\u00F6\u00FC";

void EncodeWithCachedConverter(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(tankora::EncodeToCodePage(kText, 1252));
    }
}
BENCHMARK(EncodeWithCachedConverter);

void BaselineEncodeOpeningAConverterPerCall(benchmark::State& state)
{
    std::string out(kText.size() * 2, '\0');
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* converter = ucnv_open("windows-1252", &status);
        const int32_t length
            = ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()), kText.data(),
                static_cast<int32_t>(kText.size()), &status);
        ucnv_close(converter);
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BaselineEncodeOpeningAConverterPerCall);

void CompareWithCachedCollator(benchmark::State& state)
{
    // The active code page is the machine's; pin it so both sides decode alike.
    const tankora::ScopedMachineLocale machine({ 0x0407, 0x0407, 1252 });
    for (auto _ : state) {
        benchmark::DoNotOptimize(tankora::CompareLocaleTexts("Stra\xDF"
                                                             "e",
            "Strasse", 0x0407));
    }
}
BENCHMARK(CompareWithCachedCollator);

void BaselineCompareOpeningACollatorPerCall(benchmark::State& state)
{
    for (auto _ : state) {
        // The same decoding the platform call does, then a collator of its own.
        const std::u16string left = tankora::DecodeFromCodePage("Stra\xDF"
                                                                "e",
            1252);
        const std::u16string right = tankora::DecodeFromCodePage("Strasse", 1252);
        UErrorCode status = U_ZERO_ERROR;
        UCollator* collator = ucol_open("de_DE", &status);
        benchmark::DoNotOptimize(ucol_strcoll(collator, left.data(),
            static_cast<int32_t>(left.size()), right.data(), static_cast<int32_t>(right.size())));
        ucol_close(collator);
    }
}
BENCHMARK(BaselineCompareOpeningACollatorPerCall);

void FormatFourDecimals(benchmark::State& state)
{
    double x = 1234.56789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tankora::FormatDecimals(x, 4, ','));
        x += 0.001;
    }
}
BENCHMARK(FormatFourDecimals);

void BaselineFormatFourDecimalsWithSnprintf(benchmark::State& state)
{
    double x = 1234.56789;
    char buffer[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.4f", x));
        x += 0.001;
    }
}
BENCHMARK(BaselineFormatFourDecimalsWithSnprintf);

} // namespace
