#include "Startup.h"

void registerAllWindows()
{
}
