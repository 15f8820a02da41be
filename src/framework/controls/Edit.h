// A single-line edit field. OnChange fires whenever the text changes.
#pragma once

#include "framework/controls/Control.h"

#include <QLineEdit>

class TEdit : public QLineEdit, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    explicit TEdit(TComponentBase* owner = nullptr);

    // 0 means no limit.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int maxLength);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }

signals:
    void OnChange(QObject* Sender);

private:
    int m_maxLength = 0;
};
