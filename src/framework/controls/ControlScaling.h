// Proportional scaling of a control and everything placed inside it, as a
// layout is enlarged for a script that needs more room.
#pragma once

class QWidget;

// n * multiplier / divider rounded to the nearest integer (halves away from
// zero), computed without overflow; 0 for a zero divider.
int MulDiv(int n, int multiplier, int divider);

// Scales control by multiplier / divider: a window keeps its position and
// scales its size; a control inside a parent scales its left and top edges
// and its right and bottom edges (so neighbours that touched still touch);
// a font of its own (not taken from the parent) scales its size; then every
// control placed inside it is scaled the same way. Widgets that are no
// controls of this framework are left to their owning control.
void ScaleControl(QWidget& control, int multiplier, int divider);
