#pragma once
// The window's context menu (a right click on its background, or the menu
// key where the focused control has no menu of its own) with a "Language"
// submenu: the dictionary's languages by their native names, the current one
// checked. A language the current code page cannot show is greyed, its hint
// naming the locale it needs. Choosing one switches the running window at
// once (texts, number format, mirroring) and saves the choice for the next
// start (LanguageSetting.h); the command-line argument still wins there.

#include <QObject>
#include <QPoint>

#include <functional>

class QMenu;
class QWidget;
class TIvDictionary;

class TLanguageMenu : public QObject
{
    Q_OBJECT

public:
    // Watches the window for context-menu requests; owned by the window.
    // `languageChanged` runs after a switch with the decimal separator the
    // window had before it.
    TLanguageMenu(QWidget& window, TIvDictionary* dictionary,
        std::function<void(char previousDecimalSeparator)> languageChanged);

    // The context menu as it stands now, owned by the caller.
    QMenu* BuildMenu(QWidget* parent);
    // Shows the context menu at the global position (non-blocking).
    void Popup(const QPoint& globalPos);

    // Switches the window to the dictionary's language index and saves it.
    // False, with nothing changed, when the dictionary is closed or cannot
    // show the language.
    bool Switch(int index);

    // At start-up without a language argument: the saved language, when the
    // dictionary is open, has it and can show it.
    void RestoreSavedLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool CanShow(int index) const;

    QWidget& m_window;
    TIvDictionary* m_dictionary;
    std::function<void(char)> m_languageChanged;
};
