#include "framework/controls/GroupBox.h"

#include "framework/controls/EtchedFrame.h"

#include <QPainter>

TGroupBox::TGroupBox(TComponentBase* owner)
    : QGroupBox(nullptr)
    , TControl(owner)
{ }

void TGroupBox::paintEvent(QPaintEvent* /*event*/)
{
    // The style's group box puts the title above the frame and, on some
    // styles, draws no visible frame at all.
    QPainter painter(this);
    PaintEtchedFrame(painter, *this, Caption(), palette().color(QPalette::Light),
        palette().color(QPalette::Dark));
}
