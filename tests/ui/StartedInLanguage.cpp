#include "StartedInLanguage.h"

#include "ShippedDictionary.h"
#include "framework/app/Application.h"
#include "nls/FormatSettings.h"
#include "ui/Main.h"

#include <QDir>
#include <QFileInfo>

#include <ostream>
#include <stdexcept>

namespace tankora::test {

std::vector<ShippedLanguage> ShippedLanguages()
{
    const ShippedDictionary dictionary;
    const nlohmann::json& languages = dictionary.Source()["languages"];
    std::vector<ShippedLanguage> shipped;
    for (std::size_t i = 1; i < languages.size(); ++i) {
        const nlohmann::json& language = languages[i];
        shipped.push_back({ language["isoLanguageName"].get<std::string>(), int(i),
            tankora::ComposeLanguageId(language["primaryLanguage"].get<int>(),
                language["defaultSubLanguage"].get<int>()) });
    }
    return shipped;
}

StartedInLanguage::StartedInLanguage(const ShippedLanguage& language)
    : m_savedFolder(QDir::currentPath())
    , m_savedThreadLocale(tankora::ThreadLocale())
{
    m_machine.emplace(
        tankora::MachineLocale { language.localeId, language.localeId, std::nullopt });
    const QString folder = QFileInfo(QStringLiteral(TANKORA_DICTIONARY)).absolutePath();
    if (!QDir::setCurrent(folder))
        throw std::runtime_error("cannot enter " + folder.toStdString());
    tankora::ResetProcessFormatSettings();
    m_form.reset(CreateMainForm());
    m_form->show();
}

StartedInLanguage::~StartedInLanguage()
{
    m_form.reset();
    m_machine.reset();
    QDir::setCurrent(m_savedFolder);
    tankora::SetThreadLocale(m_savedThreadLocale);
    SetApplicationBiDiMode(tankora::bdLeftToRight);
    tankora::ResetProcessFormatSettings();
}

} // namespace tankora::test

std::ostream& operator<<(std::ostream& out, const tankora::test::ShippedLanguage& language)
{
    return out << language.iso;
}
