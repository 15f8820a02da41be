#pragma once
// Texts of the chart window as the user reads them: translated through the
// default dictionary (the main window's) and converted for Qt.

#include <QString>

#include <string_view>

namespace tankora::chart {

// `text` translated.
QString T(std::string_view text);

// "Caption [unit]", the unit shown as the unit lists show it. The caption
// comes translated, so every text of the window is a literal inside T(...)
// where the dictionary's checks find it.
QString Titled(const QString& caption, std::string_view unit);

// `value` with four decimals and the process decimal separator.
QString Fixed4(double value);

} // namespace tankora::chart
