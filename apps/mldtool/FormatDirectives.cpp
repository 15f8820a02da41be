#include "FormatDirectives.h"

#include <algorithm>
#include <cstring>

namespace tankora::mld {

FormatScan ScanFormat(std::string_view text)
{
    FormatScan scan;
    std::size_t i = 0;
    while ((i = text.find('%', i)) != std::string_view::npos) {
        const std::size_t start = i++;
        if (i < text.size() && text[i] == '%') {
            ++i;
            continue;
        }
        const auto skip = [&](const char* set) {
            while (i < text.size() && text[i] != '\0' && std::strchr(set, text[i]))
                ++i;
        };
        skip("0123456789$"); // argument number or width
        skip("-+ #0'");
        skip("0123456789*");
        if (i < text.size() && text[i] == '.') {
            ++i;
            skip("0123456789*");
        }
        skip("hlLqjzt");
        if (i < text.size() && text[i] != '\0' && std::strchr("diouxXeEfFgGaAcsp", text[i])) {
            ++i;
            scan.directives.emplace_back(text.substr(start, i - start));
        } else {
            scan.wellFormed = false;
        }
    }
    return scan;
}

bool SameDirectives(std::string_view native, std::string_view translation)
{
    std::vector<std::string> expected = ScanFormat(native).directives;
    std::vector<std::string> found = ScanFormat(translation).directives;
    const bool numbered = std::any_of(expected.begin(), expected.end(),
        [](const std::string& d) { return d.find('$') != std::string::npos; });
    if (numbered) {
        std::sort(expected.begin(), expected.end());
        std::sort(found.begin(), found.end());
    }
    return expected == found;
}

} // namespace tankora::mld
