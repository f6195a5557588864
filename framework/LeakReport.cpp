#include "LeakReport.h"

#include "ImageManager.h"

#if defined(TOLVANE_HAVE_LEAK_SANITIZER)
#include <sanitizer/lsan_interface.h>

// Memory that a system library keeps for the life of the process where the leak checker
// cannot see it held: the D-Bus client that SDL opens under a desktop session. Only system
// libraries are ever named here, never the program's own code, so a leak of ours is still
// reported.
extern "C" const char* __lsan_default_suppressions()
{
	return "leak:libdbus-1.so\n";
}

// A clean run prints nothing: the list of suppressions that matched is not shown.
extern "C" const char* __lsan_default_options()
{
	return "print_suppressions=0";
}
#endif

void releaseSharedCaches()
{
	ImageManager::deleteInstance();
}

void reportLeakedMemory()
{
#if defined(TOLVANE_HAVE_LEAK_SANITIZER)
	// At exit the libraries SDL loaded are unloaded again, and what they still held shows
	// up from an unknown module that no suppression can name: checking here avoids that.
	__lsan_do_leak_check();
#endif
}
