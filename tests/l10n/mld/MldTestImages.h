#pragma once
// MLD images for the tests, described as mldtool's JSON and built with its writer.

#include "l10n/mld/MldFile.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <string>

class TStream;

namespace tankora::test {

// The 134-byte example: version 2, little-endian, 8-bit, the native language
// and German, one entry "Calculate" / "Berechnen".
nlohmann::json ExampleDescription();
// Its bytes as written out by hand.
std::string ExampleBytes();

// A raw language record for a description.
nlohmann::json LanguageDescription(int primary, int defaultSub, std::initializer_list<int> subs,
    int codePage, const std::string& englishName, const std::string& nativeName,
    const std::string& iso639 = "xx", const std::string& iso3166 = "XX");

// A complete locale record for a description (German, Germany, code page 1252).
nlohmann::json GermanLocaleDescription();

std::string Build(const nlohmann::json& description);

// A reader over the bytes with its header read; stream (optional) receives the
// stream the reader owns, to look at its position.
std::unique_ptr<TIvMLDFile> OpenImage(const std::string& bytes, TStream** stream = nullptr);

// The message of what call throws, or "" when it does not throw.
std::string ErrorOf(const std::function<void()>& call);

// A path in the temporary folder unique to the running test, so tests run
// in parallel processes never share a file.
std::string TempPath(const std::string& name);

// Reads a little-endian word / dword of an image, or writes one.
unsigned ReadLe16(const std::string& bytes, std::size_t at);
void WriteLe16(std::string& bytes, std::size_t at, unsigned value);
void WriteLe32(std::string& bytes, std::size_t at, unsigned value);

} // namespace tankora::test
