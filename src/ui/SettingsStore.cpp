#include "ui/SettingsStore.h"

std::unique_ptr<QSettings> UserSettingsStore()
{
    if (qEnvironmentVariable("TANKORA_SETTINGS") == QStringLiteral("none"))
        return nullptr;
    return std::make_unique<QSettings>(QStringLiteral("Tankora"), QStringLiteral("Tankora"));
}
