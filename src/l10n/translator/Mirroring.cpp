#include "l10n/translator/Mirroring.h"

#include "framework/controls/Control.h"
#include "framework/controls/WindowHandles.h"

#include <QWidget>

namespace {

void MoveLeftTo(QWidget& widget, int left)
{
    if (TControl* control = AsControl(&widget))
        control->SetLeft(left);
    else
        widget.move(left, widget.y());
}

// A mirrored control that sizes itself (a label taking a longer caption)
// must grow towards the inside of its mirrored place; unmirrored it grows to
// the right again. The flag changes only here, so unmirroring stays exact.
void KeepRightEdge(QWidget& widget, bool keep)
{
    if (TControl* control = AsControl(&widget))
        control->SetKeepsRightEdge(keep);
}

// Child positions count from the parent's left edge, so the parent's whole
// width is the room they are mirrored in.
int MirroredLeft(const QWidget& widget, const QWidget& parent, int left)
{
    return parent.width() - widget.width() - left;
}

} // namespace

void MirrorControlPosition(QWidget& control, TIvBidirectionalState& state)
{
    if (state.Mirrored || !control.parentWidget())
        return;
    state.Mirrored = true;
    state.ReadingOrder = ivroRightToLeft;
    MoveLeftTo(control, MirroredLeft(control, *control.parentWidget(), control.x()));
    KeepRightEdge(control, true);
}

void UnmirrorControlPosition(QWidget& control, TIvBidirectionalState& state)
{
    if (!state.Mirrored)
        return;
    state.Mirrored = false;
    state.ReadingOrder = ivroLeftToRight;
    KeepRightEdge(control, false);
    MoveLeftTo(control, state.DesignLeft);
}

void UpdateMirroredPosition(const QObject* root, TIvBidirectionalState& state)
{
    QWidget* widget = state.Control;
    if (!state.Mirrored || !widget || widget == root || !widget->parentWidget())
        return;
    const int left = MirroredLeft(*widget, *widget->parentWidget(), state.DesignLeft);
    if (widget->x() != left)
        MoveLeftTo(*widget, left);
}

void UpdateMirroredPositions(const QObject* root, TIvBiDiStates& states)
{
    for (int i = 0; i < states.Count(); ++i)
        UpdateMirroredPosition(root, states.Items(i));
}

void UpdateMirroredFlag(
    QObject* root, TIvReadingOrder readingOrder, TIvReadingOrder nativeLayout, bool& mirrored)
{
    const bool now = readingOrder != nativeLayout;
    if (now == mirrored)
        return;
    mirrored = now;
    // A window that does not exist yet gets its frame when it is created.
    if (IsWindowedControl(root)) {
        QWidget* widget = AsControl(root)->Widget();
        if (HandleAllocated(*widget))
            RefreshWindowFrame(*widget);
    }
}
