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

    // The translation of `native` into `language` as the window shows it on
    // the named control: the control's own entry, else the plain one; none
    // without an entry.
    std::optional<QString> Translation(
        const QString& native, const std::string& language, const std::string& control = {}) const;

private:
    std::optional<QString> ColumnOf(
        const std::vector<QString>& texts, const std::string& language) const;

    nlohmann::json m_source;
    // Plain entries, and the entries of single controls by control name.
    std::map<QString, std::vector<QString>> m_translations;
    std::map<std::string, std::map<QString, std::vector<QString>>> m_controlTranslations;
};

} // namespace tankora::test
