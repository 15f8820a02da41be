#pragma once
// TDecimalMarkNotice: the bubble a numeric field shows beside itself when the
// user types the decimal mark the locale does not use ("." where it writes
// ",", or the other way round). The field refuses that mark rather than
// guess: in a comma locale "1.000" may mean a thousand. The bubble says which
// mark the locale writes, in the user's language, and goes away when the
// field holds that mark, loses the focus, or after a few seconds.
//
// It lies in the field's window (not a separate tool-tip window), so that it
// stays with the window and shows in a picture of it.

#include <QLabel>
#include <QPointer>
#include <QTimer>

class QLineEdit;

class TDecimalMarkNotice : public QLabel
{
    Q_OBJECT

public:
    // How long the bubble stays when nothing else hides it.
    static constexpr int kShownMilliseconds = 6000;

    // Shows the notice for `separator` (a character of the process code
    // page) beside `field`, creating the field's
    // bubble on first use; returns it.
    static TDecimalMarkNotice* ShowFor(QLineEdit* field, char separator);

    // The field's bubble, or null when it never showed one.
    static TDecimalMarkNotice* Of(const QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TDecimalMarkNotice(QLineEdit* field);
    void Place(const QLineEdit& field);

    // Held as a QObject: events still reach the filter while the field is
    // being destroyed, when it is no longer a QLineEdit.
    QPointer<QObject> m_field;
    QChar m_separator;
    QTimer m_timer;
};
