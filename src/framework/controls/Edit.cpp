#include "framework/controls/Edit.h"

#include "framework/app/ExceptionHandler.h"

TEdit::TEdit(TComponentBase* owner)
    : QLineEdit(nullptr)
    , TControl(owner)
{
    InitColor(clWindow);
    InitTabStop(true);
    connect(this, &QLineEdit::textChanged, this,
        [this] { CallHandler([this] { emit OnChange(this); }); });
}

void TEdit::SetMaxLength(int maxLength)
{
    m_maxLength = std::max(0, maxLength);
    setMaxLength(m_maxLength == 0 ? 32767 : m_maxLength);
}
