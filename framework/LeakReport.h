#pragma once
// End-of-program housekeeping: the process-wide caches are released and, in builds
// that carry a leak checker, a report of the memory still allocated is asked for.

// Deletes the process-wide image cache, if it was ever created.
void releaseSharedCaches();

// Prints a leak report where the build has LeakSanitizer; does nothing elsewhere.
void reportLeakedMemory();
