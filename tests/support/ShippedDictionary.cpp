#include "ShippedDictionary.h"

#include <fstream>
#include <stdexcept>

namespace tankora::test {

ShippedDictionary::ShippedDictionary()
{
    std::ifstream in(TANKORA_DICTIONARY_SOURCE);
    m_source = nlohmann::json::parse(in, nullptr, false);
    if (m_source.is_discarded() || !m_source.contains("entries") || !m_source.contains("languages"))
        throw std::runtime_error(
            TANKORA_DICTIONARY_SOURCE " cannot be read as a dictionary source");
    for (const nlohmann::json& entry : m_source["entries"]) {
        // The plain entry of each text; a control's own entry is kept apart.
        const std::string subContext = entry.value("subContext", std::string());
        std::vector<QString>& texts
            = (subContext.empty() ? m_translations
                                  : m_controlTranslations[subContext])[QString::fromStdString(
                entry["native"].get<std::string>())];
        for (const nlohmann::json& text : entry["translations"])
            texts.push_back(QString::fromStdString(text.get<std::string>()));
    }
}

std::vector<std::string> ShippedDictionary::Languages() const
{
    std::vector<std::string> languages;
    for (std::size_t i = 1; i < m_source["languages"].size(); ++i)
        languages.push_back(m_source["languages"][i]["isoLanguageName"].get<std::string>());
    return languages;
}

std::optional<QString> ShippedDictionary::Translation(
    const QString& native, const std::string& language, const std::string& control) const
{
    const auto forControl = m_controlTranslations.find(control);
    if (!control.empty() && forControl != m_controlTranslations.end()
        && forControl->second.count(native))
        return ColumnOf(forControl->second.at(native), language);
    const auto entry = m_translations.find(native);
    if (entry == m_translations.end())
        return std::nullopt;
    return ColumnOf(entry->second, language);
}

std::optional<QString> ShippedDictionary::ColumnOf(
    const std::vector<QString>& texts, const std::string& language) const
{
    const std::vector<std::string> languages = Languages();
    for (std::size_t column = 0; column < languages.size(); ++column) {
        if (languages[column] == language && column < texts.size())
            return texts[column];
    }
    return std::nullopt;
}

} // namespace tankora::test
