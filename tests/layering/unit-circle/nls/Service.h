#pragma once
// Fixture: a header that needs the table's header, closing the circle
// between the units, though no two files include each other.
#include "nls/Table.h"

int Service();
