#pragma once
// The language the user last chose in the window, kept for the next start
// in the window's saved settings (TWindowSettings::UserStore, key
// "language", the language's tag such as "de-DE", so a rebuilt dictionary
// with other indexes still finds it).
//
// TANKORA_SETTINGS=none starts with nothing saved and saves nothing; a run
// with TANKORA_DUMP or TANKORA_SCREENSHOT neither reads nor writes them.

#include <optional>
#include <string>

namespace tankora {

// Whether this run may read and write saved settings.
bool SavedSettingsEnabled();

// The saved language tag; none when nothing is saved or settings are off.
std::optional<std::string> SavedLanguage();

// Saves the tag (nothing when settings are off).
void SaveLanguage(const std::string& tag);

} // namespace tankora
