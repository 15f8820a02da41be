#pragma once
// Mirroring a window's layout for a right-to-left language: each control
// (except the translated root) moves to the mirror image of its position
// within its parent, and back to the position it had when its record was
// made. Vertical positions and sizes never change.

#include "l10n/translator/TranslatorTable.h"

class QObject;
class QWidget;

// Moves control (the record's) to parent width - width - left and marks the
// record mirrored, right to left; while mirrored, a control that sizes
// itself keeps its right edge. Nothing for a record already mirrored or a
// control without a parent.
void MirrorControlPosition(QWidget& control, TIvBidirectionalState& state);

// Moves a mirrored record's control back to its design left position and
// marks the record unmirrored, left to right.
void UnmirrorControlPosition(QWidget& control, TIvBidirectionalState& state);

// Re-places a mirrored control after its parent changed size: parent width -
// width - design left. The root and controls without a parent stay.
void UpdateMirroredPosition(const QObject* root, TIvBidirectionalState& state);
// The same for every record, in order.
void UpdateMirroredPositions(const QObject* root, TIvBiDiStates& states);

// Sets mirrored when readingOrder differs from nativeLayout and clears it
// otherwise; when that changed the flag and root is a windowed control
// whose window exists, the window recomputes and redraws its frame.
void UpdateMirroredFlag(
    QObject* root, TIvReadingOrder readingOrder, TIvReadingOrder nativeLayout, bool& mirrored);
