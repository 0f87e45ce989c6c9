#include "runtime/command_line.h"

static bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

const char* SkipProgramName(const char* commandLine)
{
    const char* p = commandLine;
    if (*p == '"') {
        p++;
        while (*p != '\0' && *p != '"')
            p++;
        if (*p == '"')
            p++;
    } else {
        while (*p != '\0' && !IsWhiteSpace(*p))
            p++;
    }
    while (IsWhiteSpace(*p))
        p++;
    return p;
}
