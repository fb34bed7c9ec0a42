#include "Startup.h"
#include "mdlVelmora.h"

void Main()
{
}
