#include "nls/Service.h"

int Service()
{
    return 1;
}
