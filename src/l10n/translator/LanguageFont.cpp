#include "l10n/translator/LanguageFont.h"

#include "l10n/dictionary/Dictionary.h"

#include "framework/controls/Control.h"
#include "framework/controls/WindowHandles.h"
#include "nls/GuiText.h"

#include <QWidget>

#include <cstring>
#include <exception>

namespace {

// Whether the character set of a font owned by object may change now,
// creating the window of a windowed control first where its parent's exists.
bool FontOwnerReady(QObject& object)
{
    if (!IsWindowedControl(&object))
        return true;
    QWidget* widget = AsControl(&object)->Widget();
    if (HandleAllocated(*widget))
        return true;
    const QWidget* parent = widget->parentWidget();
    if (!parent || !HandleAllocated(*parent))
        return false;
    try {
        return HandleNeeded(*widget);
    } catch (const std::exception&) {
        return false; // a control that cannot get its window keeps its font
    }
}

} // namespace

void ApplyLanguageFontToForm(const TControl& form, const TIvLanguage& language,
    const std::string& designFontName, int designFontSize)
{
    const QWidget* widget = form.Widget();
    if (!widget || !HandleAllocated(*widget))
        return;
    const QString name
        = tankora::AnsiToQString(language.FontName.empty() ? designFontName : language.FontName);
    const int size = language.FontSize == 0 ? designFontSize : language.FontSize;
    TFont* font = form.Font();
    if (font->Name() != name)
        font->SetName(name);
    if (font->Size() != size)
        font->SetSize(size);
    if (font->Charset() != language.Charset)
        font->SetCharset(language.Charset);
}

void ApplyCharsetToFont(QObject& object, TFont& font, std::uint8_t charset)
{
    if (std::strcmp(object.metaObject()->className(), "TColumnTitle") == 0)
        return;
    if (!FontOwnerReady(object))
        return;
    if (font.Charset() != charset)
        font.SetCharset(charset);
}
