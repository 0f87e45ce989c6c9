// Starting a program in place of the running one: it gets our PSP, our memory
// block and a copy of our environment, and we are gone.
#pragma once
#include <stdint.h>

// argv[0] names the program (a bare name is searched for in the current
// directory, then along PATH); argv[1..] up to a null pointer are joined with
// single blanks into its command tail. Comes back only with an error number
// when nothing has been touched yet; a failure after the point of no return
// prints its own line and ends the process with code 255.
int ExecInPlace(uint16_t psp, const char* const* argv);
