// Storing a live component tree in the stored-layout encoding, the way a
// form designer stores it: the root flagged designing while it is written,
// each component's published properties that differ from a new component
// of its class (in declaration order, sub-objects as "Font.Name"), its
// defined properties, then its connected events ("OnClick = Handler"),
// then the components placed inside it, in ownership order.
#pragma once

#include "framework/core/Component.h"

class TStream;

// Writes root and everything it owns (signature first).
void WriteComponent(TStream& stream, TComponentBase& root);
