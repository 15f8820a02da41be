#include "GroupBox.h"

TGroupBox::TGroupBox(TComponentBase* owner)
    : QGroupBox(nullptr)
    , TControl(owner)
{ }
