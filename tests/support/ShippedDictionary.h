#pragma once
// The source of the shipped dictionary (resources/dictionary/cylang.json),
// read for the tests: its languages and, per native text, the translation
// in each language.

#include <QString>

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
#include <vector>

namespace tankora::test {

class ShippedDictionary
{
public:
    // Reads the source; std::runtime_error when it cannot be read.
    ShippedDictionary();

    const nlohmann::json& Source() const { return m_source; }

    // Columns 1 .. L-1: the translated languages, by ISO 639 code.
    std::vector<std::string> Languages() const;

    // The translation of `native` into `language`; none without an entry.
    std::optional<QString> Translation(const QString& native, const std::string& language) const;

private:
    nlohmann::json m_source;
    std::map<QString, std::vector<QString>> m_translations;
};

} // namespace tankora::test
