#include "uninstaller/uninstall.h"

void Uninstall()
{
    // Removal comes with the uninstaller; start-up then ends with status 0.
}
