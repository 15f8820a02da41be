#include "ui/LanguageMenu.h"

#include "ui/LanguageSetting.h"

#include "framework/app/MessageBoxes.h"
#include "l10n/dictionary/BinaryDictionary.h"
#include "l10n/dictionary/StringTranslation.h"
#include "nls/CodePages.h"
#include "nls/FormatSettings.h"
#include "nls/GuiText.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

#include <exception>
#include <utility>

namespace {

// A translated text as the menu shows it.
QString Shown(const std::string& translated)
{
    return tankora::AnsiToQString(translated);
}

// "de-DE": how the saved setting names a language.
std::string TagOf(const TIvLanguage& language)
{
    return language.IsoCountryName.empty()
        ? language.IsoLanguageName
        : language.IsoLanguageName + "-" + language.IsoCountryName;
}

} // namespace

TLanguageMenu::TLanguageMenu(
    QWidget& window, TIvDictionary* dictionary, std::function<void(char)> languageChanged)
    : QObject(&window)
    , m_window(window)
    , m_dictionary(dictionary)
    , m_languageChanged(std::move(languageChanged))
{
    window.installEventFilter(this);
}

bool TLanguageMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Controls without a menu of their own pass the request on to the form.
    if (watched != &m_window || event->type() != QEvent::ContextMenu)
        return false;
    Popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

bool TLanguageMenu::CanShow(int index) const
{
    TIvDictionary* dictionary = m_dictionary;
    return TIvDictionary::IsLanguageSupportedByCodePage(dictionary->GetLanguageInfo(index));
}

QMenu* TLanguageMenu::BuildMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    QMenu* languages = menu->addMenu(Shown(TranslateString("Language")));
    languages->setToolTipsVisible(true);
    TIvDictionary* dictionary = m_dictionary;
    if (!dictionary->Active()) {
        languages->setEnabled(false);
        return menu;
    }
    const int current = dictionary->LanguageIndex();
    const int count = dictionary->GetLanguageCount();
    for (int index = 0; index < count; ++index) {
        const TIvLanguage& language = dictionary->GetLanguageInfo(index);
        // A native name is stored in its own language's code page.
        const QString name = QString::fromStdU16String(
            tankora::DecodeFromCodePage(language.NativeName, language.CodePage));
        const bool showable = TIvDictionary::IsLanguageSupportedByCodePage(language);
        QAction* action = languages->addAction(name);
        action->setCheckable(true);
        action->setChecked(index == current);
        action->setEnabled(showable);
        if (!showable) {
            QString hint = Shown(TranslateString("Needs the %s locale"));
            hint.replace(QStringLiteral("%s"),
                QString::fromStdString(language.IsoLanguageName + "_" + language.IsoCountryName));
            action->setToolTip(hint);
        }
        connect(action, &QAction::triggered, this, [this, index] { Switch(index); });
    }
    return menu;
}

void TLanguageMenu::Popup(const QPoint& globalPos)
{
    QMenu* menu = BuildMenu(&m_window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

bool TLanguageMenu::Switch(int index)
{
    TIvDictionary* dictionary = m_dictionary;
    if (!dictionary->Active() || index < 0 || index >= dictionary->GetLanguageCount()
        || !CanShow(index))
        return false;
    const char separator = tankora::ProcessFormatSettings().DecimalSeparator;
    try {
        dictionary->SetLanguage(index);
    } catch (const std::exception& error) {
        ShowError(error.what());
        return false;
    }
    m_languageChanged(separator);
    tankora::SaveLanguage(TagOf(dictionary->CurrentLanguage()));
    return true;
}

void TLanguageMenu::RestoreSavedLanguage()
{
    const std::optional<std::string> saved = tankora::SavedLanguage();
    TIvDictionary* dictionary = m_dictionary;
    if (!saved || !dictionary->Active())
        return;
    const int count = dictionary->GetLanguageCount();
    for (int index = 0; index < count; ++index) {
        if (TagOf(dictionary->GetLanguageInfo(index)) != *saved)
            continue;
        if (index != dictionary->LanguageIndex() && CanShow(index))
            Switch(index);
        return;
    }
}
