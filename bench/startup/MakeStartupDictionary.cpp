// Writes the window's dictionary grown to 65,535 entries: the shipped
// dictionary's languages and entries (so that the window is translated as
// usual), then generated entries up to the table's limit, every language
// with a translation.
//
// Usage: make_startup_dictionary cylang.json OUT.mld

#include "MldWriter.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s cylang.json OUT.mld\n", argv[0]);
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        nlohmann::json description = nlohmann::json::parse(in);
        nlohmann::json& entries = description["entries"];
        const std::size_t columns = description["languages"].size();
        for (std::size_t i = 0; entries.size() < 65535; ++i) {
            const std::string number = std::to_string(i);
            nlohmann::json translations = nlohmann::json::array();
            for (std::size_t column = 1; column < columns; ++column) {
                translations.push_back(
                    description["languages"][column]["isoLanguageName"].get<std::string>()
                    + " text " + number);
            }
            entries.push_back({ { "native", "Generated program text " + number }, { "context", "" },
                { "subContext", "" }, { "translations", translations } });
        }
        std::ofstream out(argv[2], std::ios::binary);
        // In key order, as the build writes the shipped dictionary.
        out << tankora::mld::BuildMldImage(description, tankora::mld::EntryOrder::ByKey);
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
