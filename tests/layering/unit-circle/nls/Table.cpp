#include "nls/Table.h"

#include "nls/Service.h"

int Table()
{
    return Service() + 1;
}
