// Fixture: another layer includes the nls library's own header.
#include "nls/Table_p.h"

int Form()
{
    return Table();
}
