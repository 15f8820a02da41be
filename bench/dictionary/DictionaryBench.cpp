// The binary dictionary on images of 65,535 entries x 16 languages.
//
// Load: opening on one language (entries sorted and indexed) and switching
// language, each iteration beside reading the file's bytes into a freshly
// allocated buffer; "xRead" is load time / read time over the same
// iterations (CPU time of the thread). "held" is the memory the loaded language keeps, "xText" that
// over its text bytes, "peak" the most allocated at once while opening.
//
// Rejecting a crafted image of 65,534 unsupported languages (its size in
// "bytes") shows the language selection's work is linear in the image.
//
// Lookup: TranslateString (and TranslateWithContext on context-sensitive
// images) of random present and absent texts; "baseline_ns" is the same
// lookups in a sorted vector of string pairs (binary search), "xBaseline"
// the ratio.

#include "BenchImages.h"
#include "l10n/dictionary/BinaryDictionary.h"
#include "l10n/dictionary/StringTranslation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <new>
#include <random>
#include <string>
#include <time.h>
#include <vector>

// ---------------------------------------------------------------------------
// Allocation accounting: bytes live now and the peak since the last reset.
// Counted only while g_counting, so that lookups are timed without it.
//
// The C allocator itself is counted (the entry arena is malloc'd, and so is
// what operator new takes), except under AddressSanitizer, which owns it:
// there only operator new is counted.

namespace {
bool g_counting = false;
long long g_live = 0;
long long g_peak = 0;

void Counted(void* p)
{
    if (p && g_counting) {
        g_live += static_cast<long long>(malloc_usable_size(p));
        g_peak = std::max(g_peak, g_live);
    }
}

void Uncounted(void* p)
{
    if (p && g_counting)
        g_live -= static_cast<long long>(malloc_usable_size(p));
}
} // namespace

#if defined(__SANITIZE_ADDRESS__)

void* operator new(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    Counted(p);
    return p;
}

void operator delete(void* p) noexcept
{
    Uncounted(p);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

#else

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* p);

void* malloc(std::size_t size) noexcept
{
    void* p = __libc_malloc(size);
    Counted(p);
    return p;
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    void* p = __libc_calloc(count, size);
    Counted(p);
    return p;
}

void* realloc(void* p, std::size_t size) noexcept
{
    const long long before = p && g_counting ? static_cast<long long>(malloc_usable_size(p)) : 0;
    void* q = __libc_realloc(p, size);
    if (q && g_counting) {
        g_live += static_cast<long long>(malloc_usable_size(q)) - before;
        g_peak = std::max(g_peak, g_live);
    } else if (!q && size == 0) {
        g_live -= before;
    }
    return q;
}

void* memalign(std::size_t alignment, std::size_t size) noexcept
{
    void* p = __libc_memalign(alignment, size);
    Counted(p);
    return p;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept
{
    return memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept
{
    void* p = memalign(alignment, size);
    if (!p)
        return ENOMEM;
    *out = p;
    return 0;
}

void free(void* p) noexcept
{
    Uncounted(p);
    __libc_free(p);
}
}

#endif

namespace {

using namespace tankora::bench;
// CPU time of this thread (user and system): what the benchmark library's
// CPU column shows, and fair on a machine that other work shares.
double ThreadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

ImageForm FormOf(const benchmark::State& state)
{
    return { state.range(0) != 0, state.range(1) != 0 };
}

void ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<char> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes.data());
}

// Times one read of the file's bytes outside the measured time.
double TimedRead(benchmark::State& state, const std::string& path)
{
    state.PauseTiming();
    const double start = ThreadSeconds();
    ReadFileBytes(path);
    const double seconds = ThreadSeconds() - start;
    state.ResumeTiming();
    return seconds;
}

void Configure(TIvBinaryDictionary& dictionary, const std::string& path, int language)
{
    dictionary.SetFileName(path);
    dictionary.SetCheckLevel(ivclNone);
    dictionary.SetLanguage(language);
}

void ReadBytes(benchmark::State& state)
{
    const std::string path = ImagePath(FormOf(state));
    for (auto _ : state)
        ReadFileBytes(path);
    state.SetLabel(FormLabel(FormOf(state)));
}

void OpenDictionary(benchmark::State& state)
{
    const std::string path = ImagePath(FormOf(state));
    double readSeconds = 0, loadSeconds = 0;
    std::size_t held = 0, text = 0;
    long long peak = 0;
    for (auto _ : state) {
        readSeconds += TimedRead(state, path);
        const double start = ThreadSeconds();
        g_counting = true;
        g_live = g_peak = 0;
        TIvBinaryDictionary dictionary;
        Configure(dictionary, path, kRussianColumn);
        dictionary.Open();
        g_counting = false;
        loadSeconds += ThreadSeconds() - start;
        peak = g_peak;
        held = dictionary.EntryMemoryUsage();
        text = dictionary.EntryTextBytes();
        state.PauseTiming(); // closing and freeing are not opening
        dictionary.Close();
        state.ResumeTiming();
    }
    state.counters["xRead"] = loadSeconds / readSeconds;
    state.counters["held"] = static_cast<double>(held);
    state.counters["xText"] = static_cast<double>(held) / static_cast<double>(text);
    state.counters["peak"] = static_cast<double>(peak);
    state.SetLabel(FormLabel(FormOf(state)));
}

void SwitchLanguage(benchmark::State& state)
{
    const std::string path = ImagePath(FormOf(state));
    TIvBinaryDictionary dictionary;
    Configure(dictionary, path, kRussianColumn);
    dictionary.Open();
    int language = kRussianColumn;
    double readSeconds = 0, loadSeconds = 0;
    for (auto _ : state) {
        readSeconds += TimedRead(state, path);
        language = language == kRussianColumn ? kUkrainianColumn : kRussianColumn;
        const double start = ThreadSeconds();
        dictionary.SetLanguage(language);
        loadSeconds += ThreadSeconds() - start;
    }
    state.counters["xRead"] = loadSeconds / readSeconds;
    state.SetLabel(FormLabel(FormOf(state)));
}

// Rejecting an image of 65,534 languages the machine does not support
// ("System does not support any language of the dicitonary!").
void RejectManyLanguages(benchmark::State& state)
{
    const std::string path = ManyLanguagesImagePath();
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    for (auto _ : state) {
        TIvBinaryDictionary dictionary;
        dictionary.SetFileName(path);
        try {
            dictionary.Open();
            state.SkipWithError("opened");
        } catch (const EIvMulti&) { }
    }
}

// Random probes: present texts (with their contexts) or absent ones.
struct Probe
{
    std::string text, context;
};

std::vector<Probe> Probes(bool present)
{
    std::mt19937 random(present ? 1 : 2);
    std::vector<Probe> probes;
    for (int i = 0; i < 4096; ++i) {
        const int n = static_cast<int>(random() % kEntries);
        probes.push_back({ present ? NativeText(n) : NativeText(n) + "x", ContextOf(n) });
    }
    return probes;
}

// The baseline: a sorted vector of (native, translation), binary search.
double BaselineNanoseconds(const std::vector<Probe>& probes)
{
    std::vector<std::pair<std::string, std::string>> table;
    for (int i = 0; i < kEntries; ++i)
        table.emplace_back(NativeText(i), "Рассчитать " + std::to_string(i));
    std::sort(table.begin(), table.end());
    std::size_t found = 0;
    constexpr int kRounds = 50;
    const double start = ThreadSeconds();
    for (int round = 0; round < kRounds; ++round) {
        for (const Probe& probe : probes) {
            const auto it = std::lower_bound(table.begin(), table.end(), probe.text,
                [](const auto& entry, const std::string& text) { return entry.first < text; });
            const std::string result
                = it != table.end() && it->first == probe.text ? it->second : probe.text;
            found += result.size();
        }
    }
    benchmark::DoNotOptimize(found);
    return (ThreadSeconds() - start) * 1e9 / (kRounds * static_cast<double>(probes.size()));
}

// range(2): 1 present texts, 0 absent; range(3): 1 TranslateWithContext.
void Lookup(benchmark::State& state)
{
    const ImageForm form = FormOf(state);
    const bool withContext = state.range(3) != 0;
    TIvBinaryDictionary dictionary; // the only one: the default dictionary
    Configure(dictionary, ImagePath(form), kRussianColumn);
    dictionary.Open();
    const std::vector<Probe> probes = Probes(state.range(2) != 0);
    std::size_t i = 0, characters = 0;
    for (auto _ : state) {
        const Probe& probe = probes[i++ & (probes.size() - 1)];
        if (withContext) {
            std::string translation;
            const bool found = dictionary.TranslateWithContext(
                probe.text, probe.context, kSubContext, translation);
            characters += TIvDictionary::ApplyMissingTranslation(
                &dictionary, probe.text, translation, found)
                              .size();
        } else {
            characters += TranslateString(probe.text).size();
        }
    }
    benchmark::DoNotOptimize(characters);
    const double baseline = BaselineNanoseconds(probes);
    state.counters["baseline_ns"] = baseline;
    // Inverted per-iteration rate of the baseline's seconds: time per lookup / baseline.
    state.counters["xBaseline"] = benchmark::Counter(baseline * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(FormLabel(form) + (state.range(2) ? " hit" : " miss")
        + (withContext ? " with context" : ""));
}

} // namespace

BENCHMARK(ReadBytes)->Args({ 1, 0 })->Args({ 0, 0 })->Unit(benchmark::kMillisecond);
BENCHMARK(OpenDictionary)
    ->Args({ 1, 0 })
    ->Args({ 0, 0 })
    ->Args({ 1, 1 })
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SwitchLanguage)->Args({ 1, 0 })->Args({ 0, 0 })->Unit(benchmark::kMillisecond);
BENCHMARK(RejectManyLanguages)->Unit(benchmark::kMillisecond);
BENCHMARK(Lookup)
    ->Args({ 1, 0, 1, 0 })
    ->Args({ 1, 0, 0, 0 })
    ->Args({ 1, 1, 1, 0 })
    ->Args({ 1, 1, 0, 0 })
    ->Args({ 1, 1, 1, 1 })
    ->Args({ 1, 1, 0, 1 });

BENCHMARK_MAIN();
