#include "framework/controls/WindowHandles.h"

#include "framework/controls/Control.h"

#include <QWidget>

namespace {

// QWidget::create is protected; this reaches it without subclassing every control.
struct TWindowCreator : QWidget
{
    using QWidget::create;
};

} // namespace

bool IsWindowedControl(const QObject* object)
{
    const TControl* control = AsControl(const_cast<QObject*>(object));
    return control && control->IsWindowed();
}

bool HandleAllocated(const QWidget& widget)
{
    return widget.testAttribute(Qt::WA_WState_Created);
}

bool HandleNeeded(QWidget& widget)
{
    if (HandleAllocated(widget))
        return true;
    const QWidget* parent = widget.parentWidget();
    if (!widget.isWindow() && (!parent || !HandleAllocated(*parent)))
        return false;
    void (QWidget::*create)(WId, bool, bool) = &TWindowCreator::create;
    (widget.*create)(0, true, true);
    return HandleAllocated(widget);
}

void RefreshWindowFrame(QWidget& window)
{
    window.raise();
    window.update();
}
