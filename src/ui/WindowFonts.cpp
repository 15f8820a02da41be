#include "ui/WindowFonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    // DejaVu Sans Condensed (Debian fonts-dejavu-extra) has the 13-pixel line
    // of the original at 8 points and about its width. Liberation Sans has a
    // 12-pixel line, which moves every row of the radio group; plain DejaVu
    // Sans is some 10 % wider and runs the "Volume" label into its field.
    const QString original = QStringLiteral("MS Sans Serif");
    const QString standIn = QStringLiteral("DejaVu Sans Condensed");
    if (!QFont::substitutes(original).contains(standIn))
        QFont::insertSubstitution(original, standIn);
}
