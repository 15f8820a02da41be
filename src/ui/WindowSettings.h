#pragma once
// TWindowSettings: what the calculator's window remembers between runs, so
// that closing it (OK, Enter in a field, the window's close button) loses no
// input. Kept: orientation, L, D and b with their units, the mode, the
// method, the entries with their units and the result units.
//
// Numbers are stored as the user typed them, with "." for the decimal mark,
// so a change of locale between runs reads them right. Restoring takes each
// item on its own and only when it makes sense (a unit name of its list, a
// text that reads as a number, a known mode or method); anything else leaves
// that item as the window's defaults set it. A settings store that cannot be
// read gives the defaults; nothing here raises or shows a message.

#include <QObject>

#include <memory>

class QSettings;
class TMainForm;

class TWindowSettings : public QObject
{
    Q_OBJECT

public:
    // Restores `form` (after its FormCreate) from `store` now, and saves into
    // it whenever the window closes.
    TWindowSettings(TMainForm& form, std::unique_ptr<QSettings> store);
    ~TWindowSettings() override;

    void Restore();
    // Writes the window's state and flushes the store; false when it could
    // not be written.
    bool Save();

    // Whether the last save failed.
    bool SaveFailed() const { return m_saveFailed; }

    // The store of the user's settings: organisation and application
    // "Tankora" (on Linux ~/.config/Tankora/Tankora.conf, after
    // XDG_CONFIG_HOME); none when the environment says TANKORA_SETTINGS=none.
    static std::unique_ptr<QSettings> UserStore();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainForm& m_form;
    std::unique_ptr<QSettings> m_store;
    bool m_saveFailed = false;
};
