// The argument string of a GUI program, as the system's WinMain receives it.
#pragma once

// The command line less the program name and the white space behind it. A name
// that begins with a double quote ends at the next double quote; any other
// name ends at the first white-space character.
const char* SkipProgramName(const char* commandLine);
