#pragma once
// Where the user's settings live: organisation and application "Tankora"
// (on Linux ~/.config/Tankora/Tankora.conf, after XDG_CONFIG_HOME); none
// when the environment says TANKORA_SETTINGS=none. The window's settings and
// its saved language both use it.

#include <QSettings>

#include <memory>

std::unique_ptr<QSettings> UserSettingsStore();
