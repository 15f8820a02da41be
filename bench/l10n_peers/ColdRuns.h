#pragma once
// "Open, then translate N distinct texts once", warm (in this process) and
// cold: each cold open runs in a fresh process of this program, started as
// `<program> --cold-child <system>/<language>/<N>`, which first reads the
// catalogue into a fresh buffer (the floor, measured the same way in the same
// process), then opens and translates, and prints both CPU times and the
// open's page faults. The parent takes the median of a few such processes.

#include "TranslationSystem.h"

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tankora::peers {

using Systems = std::vector<std::shared_ptr<TranslationSystem>>;

inline constexpr const char* kColdChildFlag = "--cold-child";

struct TranslatedCount
{
    const char* measure; // the benchmark's measure name
    std::size_t count;
};
// N = 1, 1,000, 10,000 and every text of the corpus.
const std::vector<TranslatedCount>& TranslatedCounts();

// Opens, translates the first count texts of a fixed random order of the
// corpus's distinct texts, closes; the CPU seconds of the open and the
// lookups, or -1 when an answer was wrong.
double OpenAndTranslate(TranslationSystem& system, const std::string& language, std::size_t count);

// The child's work for the run "<system>/<language>/<N>"; its exit code.
int RunColdChild(const Systems& systems, const std::string& runName);

// Runs the cold children and prints their medians and ratios.
void PrintColdRuns(std::ostream& out, const Systems& systems, const std::vector<std::string>& peers,
    const std::vector<std::string>& tankoraImages, const std::vector<std::string>& languages);

} // namespace tankora::peers
