#pragma once
// End-of-program housekeeping: the process-wide caches are released and, in builds
// that carry a leak checker, the program's one leak check is made.

// Deletes the process-wide image cache, if it was ever created.
void releaseSharedCaches();

// In builds with LeakSanitizer: checks for leaked memory now, while every library the
// program loaded is still loaded, and ends the process with a non-zero status when some
// leaked; the check that would otherwise run at process exit is then not made. Does
// nothing in other builds.
void reportLeakedMemory();
