// Windows of controls. Every control here is a Qt widget, but only the
// windowed ones (everything except labels and images, which are drawn on
// their parent) count as having a window of their own. A widget's window
// "exists" once Qt has created it (Qt::WA_WState_Created): for a form when it
// is first shown or asked for its native window, for a child control when it
// becomes visible inside a created parent.
#pragma once

class QObject;
class QWidget;

// Whether object is a control with a window of its own.
bool IsWindowedControl(const QObject* object);

// Whether the widget's window has been created.
bool HandleAllocated(const QWidget& widget);

// Creates the widget's window when it does not exist yet (a child control
// gets none while its parent has none). Returns whether it exists afterwards.
bool HandleNeeded(QWidget& widget);

// Makes the window recompute and redraw its frame without moving or
// resizing it, and puts it on top of its siblings.
void RefreshWindowFrame(QWidget& window);
