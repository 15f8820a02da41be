#include "framework/controls/RadioButton.h"

#include "framework/app/ExceptionHandler.h"

TRadioButton::TRadioButton(TComponentBase* owner)
    : QRadioButton(nullptr)
    , TControl(owner)
{
    InitTabStop(true);
    connect(this, &QRadioButton::clicked, this,
        [this] { CallHandler([this] { emit OnClick(this); }); });
}
