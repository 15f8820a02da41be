// A radio button; the checked one of a parent's radio buttons excludes the others.
#pragma once

#include "framework/controls/Control.h"

#include <QRadioButton>

class TRadioButton : public QRadioButton, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)

public:
    explicit TRadioButton(TComponentBase* owner = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }

signals:
    void OnClick(QObject* Sender);
};
