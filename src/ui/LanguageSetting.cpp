#include "ui/LanguageSetting.h"

#include <QSettings>

namespace tankora {
namespace {

const QString kLanguageKey = QStringLiteral("language");

QSettings Settings()
{
    return QSettings(QStringLiteral("Tankora"), QStringLiteral("Tankora"));
}

} // namespace

bool SavedSettingsEnabled()
{
    return qEnvironmentVariable("TANKORA_SETTINGS") != QStringLiteral("none")
        && qEnvironmentVariableIsEmpty("TANKORA_DUMP");
}

std::optional<std::string> SavedLanguage()
{
    if (!SavedSettingsEnabled())
        return std::nullopt;
    const QString tag = Settings().value(kLanguageKey).toString();
    if (tag.isEmpty())
        return std::nullopt;
    return tag.toStdString();
}

void SaveLanguage(const std::string& tag)
{
    if (!SavedSettingsEnabled())
        return;
    QSettings settings = Settings();
    settings.setValue(kLanguageKey, QString::fromStdString(tag));
}

} // namespace tankora
