#include "installer/install.h"

void RunInstall(HWND)
{
    // The copy engine comes with the install dialog; until then nothing to do.
}
