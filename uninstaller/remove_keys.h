// The registry keys of the product under both roots, and the uninstall entry.
#pragma once

// The machine and settings keys, both product keys, and each maker key that
// has no subkey left.
void RemoveRegistryKeys();

// Takes the product off the system's list of installed programs.
void RemoveUninstallEntry();
