#include "runtime/text.h"

int TextLength(const char* text)
{
    int length = 0;
    while (text[length] != '\0')
        length++;
    return length;
}

bool SameText(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

bool CopyText(char* buffer, int capacity, const char* text)
{
    int length = TextLength(text);
    if (length + 1 > capacity)
        return false;
    for (int i = 0; i <= length; i++)
        buffer[i] = text[i];
    return true;
}

bool AppendText(char* buffer, int capacity, const char* text)
{
    int used = TextLength(buffer);
    return CopyText(buffer + used, capacity - used, text);
}
