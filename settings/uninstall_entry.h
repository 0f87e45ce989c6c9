// The entry in Windows' list of installed programs.
#pragma once

// Holds the quoted program path of a directory of 199 characters: two quotes,
// the directory, a backslash, "QUORIX.EXE -uninstall" and the NUL.
constexpr int UninstallCommandCapacity = 224;

// The command that uninstalls: the QUORIX.EXE in the current directory, with
// "-uninstall". The program path is quoted when it holds a blank, so Windows
// cannot take a shorter name for the program. False, and the command is not
// to be used, when the current directory cannot be had or is too long.
bool BuildUninstallCommand(char* command);

// Creates or rewrites the entry for the current directory's QUORIX.EXE. An
// entry whose command cannot be built is left as it is.
void WriteUninstallEntry();
