#pragma once
// The corpus every localization system is measured on: 65,535 program texts
// of realistic length and character mix with a German and a Japanese
// translation, and texts that are not in it. Generated, not stored: the same
// seeds give the same texts on every machine, so the catalogues built at
// build time and the benchmark agree without sharing a file.
//
// All texts are UTF-8. Native texts keep to characters every peer accepts in
// a key (ICU's invariant set: no '!', '#', '"', '\\', ...).

#include <cstdint>
#include <string>
#include <vector>

namespace tankora::peers {

struct CorpusEntry
{
    std::string native;
    std::string german;
    std::string japanese; // only characters of code page 932
};

constexpr int kCorpusEntries = 65535;

// The corpus, native texts all different.
const std::vector<CorpusEntry>& Corpus();
// Texts of the same shape that are not native texts of the corpus.
std::vector<std::string> MissingTexts(int count);
// count indexes below size in a fixed random order (the same for every system).
std::vector<int> RandomOrder(int size, int count, std::uint32_t seed);

} // namespace tankora::peers
