#include "ui/chart/ChartTexts.h"

#include "l10n/dictionary/StringTranslation.h"
#include "nls/GuiText.h"
#include "nls/NumberText.h"

#include <string>

namespace tankora::chart {

QString T(std::string_view text)
{
    return AnsiToQString(TranslateString(std::string(text)));
}

QString Titled(const QString& caption, std::string_view unit)
{
    return caption + QStringLiteral(" [") + T(unit) + QLatin1Char(']');
}

QString Fixed4(double value)
{
    return AnsiToQString(FormatDecimals(value, 4));
}

} // namespace tankora::chart
