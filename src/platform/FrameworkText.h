// Where the 8-bit texts of stored layouts, messages and exceptions meet the
// QString of the widgets. Every conversion of the framework goes through
// these two functions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// An 8-bit text in the active ANSI code page as a QString.
QString ToGuiText(std::string_view text);
// A QString as an 8-bit text in the active ANSI code page; characters the
// code page cannot hold become "?".
std::string FromGuiText(const QString& text);
