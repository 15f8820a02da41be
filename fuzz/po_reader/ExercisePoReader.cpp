#include "ExercisePoReader.h"

#include "l10n/po/PoReader.h"
#include "l10n/po/PoWriter.h"

#include <cstdlib>
#include <string>

bool ExercisePoReader(std::string_view bytes)
{
    using namespace tankora::po;
    PoCatalog catalog;
    try {
        catalog = ReadPo(bytes, "fuzz.po");
    } catch (const PoSyntaxError&) {
        return false;
    }
    const std::string written = WritePo(catalog);
    const PoCatalog again = ReadPo(written, "written.po");
    if (again.entries.size() != catalog.entries.size() || WritePo(again) != written)
        std::abort();
    return true;
}
