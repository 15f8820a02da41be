#pragma once
// Writes a PO catalog as gettext's tools write one: UTF-8, the header entry
// first, a blank line between entries, texts with C escapes, a text holding
// line breaks split into one quoted piece per line, obsolete entries as "#~".

#include "l10n/po/PoCatalog.h"

#include <string>

namespace tankora::po {

std::string WritePo(const PoCatalog& catalog);

} // namespace tankora::po
