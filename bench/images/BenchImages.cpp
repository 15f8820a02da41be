#include "BenchImages.h"

#include "MldWriter.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>

namespace tankora::bench {

namespace {

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

std::string Numbered(const char* word, int i)
{
    // Appended, not concatenated: g++ 12 warns falsely on "literal" + string.
    return std::string(word).append(" ").append(std::to_string(i));
}

void WriteImage(ImageForm form, const std::string& path)
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
        json translations = json::array();
        for (int c = 1; c < kLanguages; ++c)
            translations.push_back(Numbered(kBenchLanguages[c].word, i));
        entries.push_back(
            { { "native", NativeText(i) }, { "context", form.contexts ? ContextOf(i) : "" },
                { "subContext", form.contexts ? kSubContext : "" },
                { "translations", std::move(translations) } });
    }
    const json description
        = { { "header",
                { { "version", 3 }, { "littleEndian", true }, { "ansiStrings", form.ansi },
                    { "contextKind", form.contexts ? 1 : 0 } } },
              { "languages", languages }, { "locales", json::array() }, { "entries", entries } };
    std::ofstream(path, std::ios::binary) << tankora::mld::BuildMldImage(description);
}

} // namespace

std::string ManyLanguagesImagePath()
{
    using nlohmann::json;
    static const std::string path = [] {
        const std::string file
            = (std::filesystem::temp_directory_path() / "tankora_bench_many_languages.mld")
                  .string();
        json languages = json::array();
        for (int i = 0; i < 65535; ++i) {
            const bool native = i == 0;
            languages.push_back({ { "primaryLanguage", native ? 0 : 25 },
                { "isoLanguageName", "ru" }, { "defaultSubLanguage", 1 },
                { "isoCountryName", "RU" }, { "subLanguages", json::array() },
                { "subLanguageNames", json::array() }, { "charset", 0 },
                { "codePage", native ? 1252 : 1251 }, { "flags", 0 }, { "englishName", "Russian" },
                { "nativeName", "" }, { "fontName", "" }, { "fontSize", 0 } });
        }
        const json description = { { "header",
                                       { { "version", 2 }, { "littleEndian", true },
                                           { "ansiStrings", true }, { "contextKind", 0 } } },
            { "languages", languages }, { "locales", json::array() },
            { "entries", json::array() } };
        std::ofstream(file, std::ios::binary) << tankora::mld::BuildMldImage(description);
        return file;
    }();
    return path;
}

std::string NativeText(int i)
{
    return Numbered(kBenchLanguages[0].word, i);
}

std::string ContextOf(int i)
{
    return "Form" + std::to_string(i % 7);
}

std::string FormLabel(ImageForm form)
{
    return std::string(form.ansi ? "8-bit" : "UTF-16") + (form.contexts ? " contexts" : "");
}

std::string ImagePath(ImageForm form)
{
    static std::map<std::pair<bool, bool>, std::string> written;
    auto& path = written[{ form.ansi, form.contexts }];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path()
            / ("tankora_bench_" + std::string(form.ansi ? "8bit" : "utf16")
                + (form.contexts ? "_contexts" : "") + ".mld"))
                   .string();
        WriteImage(form, path);
    }
    return path;
}

} // namespace tankora::bench
