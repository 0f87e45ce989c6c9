// Small string helpers for the fixed buffers: the program has no C runtime.
#pragma once

// Length of a NUL-terminated text.
int TextLength(const char* text);

// Whole texts equal, byte for byte, case-sensitive.
bool SameText(const char* a, const char* b);

// Copies and appends that never write beyond a buffer of `capacity` bytes.
// They return false, and leave the buffer as it was, when the result would not
// fit together with its terminating NUL.
bool CopyText(char* buffer, int capacity, const char* text);
bool AppendText(char* buffer, int capacity, const char* text);
