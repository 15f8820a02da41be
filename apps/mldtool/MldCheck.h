#pragma once
// What `mldtool check` finds in an MLD image, per language: coverage
// (translated, empty, and, against a template, missing texts) and problems.
//
// Errors (the program would show something wrong):
//   "unrepresentable"   a text its code page cannot hold (bytes that are no
//                       characters of it, or, in UTF-16 images, characters
//                       that would turn into "?")
//   "placeholders"      printf directives that differ from the native text's
//   "duplicate"         one text and context stored more than once with
//                       different translations (which one answers is chance)
//   "locale-code-page"  a locale record whose code page is not the one of the
//                       language it belongs to
// Warnings (worth a look):
//   "blanks"            leading or trailing blanks that differ (one blank
//                       may go after full-width punctuation)
//   "punctuation"       final punctuation of the native text that the
//                       translation lacks or changes (an added period or
//                       colon, and ellipses, are translators' choices)
//   "missing"           a template text the dictionary has no entry for
//
// The report is one JSON object:
//   {"file", "errors", "warnings",
//    "languages": [{"index", "englishName", "nativeName", "codePage",
//                   "translated", "empty", "missing" (null without template)}],
//    "findings": [{"severity", "check", "language" (index or null),
//                  "entry" (index or null), "native", "translation", "detail"}]}

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tankora::mld {

struct CheckOptions
{
    std::string templateFile; // a PO template (extract's output); empty: none
};

enum class Severity { Error, Warning };

struct CheckFinding
{
    Severity severity;
    const char* check; // "unrepresentable", "placeholders", ...
    std::optional<std::size_t> language; // column; none for findings of no language
    std::optional<std::size_t> entry;
    std::string native, translation, detail;
};

struct CheckLanguage
{
    std::size_t index;
    std::string englishName, nativeName;
    int codePage;
    int translated, empty;
    std::optional<int> missing; // none without a template
};

struct CheckReport
{
    std::string file;
    int errors = 0, warnings = 0;
    std::vector<CheckLanguage> languages;
    std::vector<CheckFinding> findings; // by language, then entry; then the others
};

// Time and memory grow linearly with the image. Throws the reader's errors
// and po::PoSyntaxError for a malformed template.
CheckReport CheckMld(const std::string& mldFile, const CheckOptions& options);

// The report as the JSON object above.
void PrintCheckJson(const CheckReport& report, std::ostream& out);

// The report as lines for people, texts of the image with control
// characters escaped.
void PrintCheckText(const CheckReport& report, std::ostream& out);

} // namespace tankora::mld
