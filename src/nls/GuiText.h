#pragma once
// The one place where 8-bit texts of the localization layer meet the GUI's
// QString: both directions use the active ANSI code page.

#include <QString>
#include <string>
#include <string_view>

namespace tankora {

// An 8-bit text in the active ANSI code page as a QString.
QString AnsiToQString(std::string_view text);

// A QString as an 8-bit text in the active ANSI code page; characters the
// code page cannot hold become "?".
std::string QStringToAnsi(const QString& text);

} // namespace tankora
