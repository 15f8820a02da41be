// A captioned frame around other controls: an etched frame with the caption
// inset into its top line, drawn the same on every platform style.
#pragma once

#include "framework/controls/Control.h"

#include <QGroupBox>

class TGroupBox : public QGroupBox, public TControl
{
    Q_OBJECT
    TANKORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TGroupBox(TComponentBase* owner = nullptr);

    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(caption); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
