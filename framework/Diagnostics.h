#pragma once
// One-line diagnostics on standard output, flushed at once so that a test or a
// parent process reading the program's output sees each line as it happens.

// printf-style; the format carries its own line end where the message has one.
void diagnosticPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
