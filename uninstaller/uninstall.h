// The "-uninstall" mode.
#pragma once

// Asks once, then removes the install tree and the registry keys.
void Uninstall();
