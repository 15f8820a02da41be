#include "ui/LanguageSetting.h"

#include "ui/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace tankora {
namespace {

const QString kLanguageKey = QStringLiteral("language");

} // namespace

bool SavedSettingsEnabled()
{
    return qEnvironmentVariable("TANKORA_SETTINGS") != QStringLiteral("none")
        && qEnvironmentVariableIsEmpty("TANKORA_DUMP")
        && qEnvironmentVariableIsEmpty("TANKORA_SCREENSHOT");
}

std::optional<std::string> SavedLanguage()
{
    if (!SavedSettingsEnabled())
        return std::nullopt;
    const std::unique_ptr<QSettings> store = UserSettingsStore();
    const QString tag = store ? store->value(kLanguageKey).toString() : QString();
    if (tag.isEmpty())
        return std::nullopt;
    return tag.toStdString();
}

void SaveLanguage(const std::string& tag)
{
    if (!SavedSettingsEnabled())
        return;
    if (const std::unique_ptr<QSettings> store = UserSettingsStore())
        store->setValue(kLanguageKey, QString::fromStdString(tag));
}

} // namespace tankora
