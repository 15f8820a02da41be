// A multi-line edit field. Lines is a string list kept in step with the
// text both ways; Text (the whole text) is not a published property.
#pragma once

#include "framework/controls/Control.h"
#include "framework/core/Strings.h"

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(TStrings* Lines READ Lines WRITE SetLines)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(tankora::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
    explicit TMemo(TComponentBase* owner = nullptr);

    TStrings* Lines() const { return m_lines; }
    void SetLines(TStrings* lines);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    tankora::TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(tankora::TScrollStyle style);
    bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void SetWordWrap(bool wordWrap);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }

signals:
    void OnChange(QObject* Sender);

private:
    TStrings* m_lines;
    tankora::TScrollStyle m_scrollBars = tankora::ssNone;
    bool m_syncing = false;
};
