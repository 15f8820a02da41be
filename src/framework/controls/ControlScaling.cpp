#include "framework/controls/ControlScaling.h"

#include "framework/controls/Control.h"

#include <QWidget>

#include <cstdint>
#include <cstdlib>

int MulDiv(int n, int multiplier, int divider)
{
    if (divider == 0)
        return 0;
    const int64_t product = int64_t { n } * multiplier;
    const int64_t half = std::llabs(divider) / 2;
    const bool negative = (product < 0) != (divider < 0);
    const int64_t quotient = (std::llabs(product) + half) / std::llabs(divider);
    return static_cast<int>(negative ? -quotient : quotient);
}

void ScaleControl(QWidget& widget, int multiplier, int divider)
{
    TControl* control = AsControl(&widget);
    if (!control)
        return;
    if (widget.isWindow()) {
        widget.resize(MulDiv(widget.width(), multiplier, divider),
            MulDiv(widget.height(), multiplier, divider));
    } else {
        const int left = MulDiv(control->Left(), multiplier, divider);
        const int top = MulDiv(control->Top(), multiplier, divider);
        const int right = MulDiv(control->Left() + control->Width(), multiplier, divider);
        const int bottom = MulDiv(control->Top() + control->Height(), multiplier, divider);
        control->SetBounds(left, top, right - left, bottom - top);
    }
    // A control without a parent control has no font to follow.
    if (!control->ParentFont() || !AsControl(widget.parentWidget()))
        control->Font()->SetSize(MulDiv(control->Font()->Size(), multiplier, divider));
    for (QObject* child : widget.children())
        if (QWidget* childWidget = qobject_cast<QWidget*>(child); childWidget && AsControl(child))
            ScaleControl(*childWidget, multiplier, divider);
}
