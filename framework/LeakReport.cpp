#include "LeakReport.h"

#include "ImageManager.h"

#if defined(TOLVANE_HAVE_LEAK_SANITIZER)
#include <sanitizer/lsan_interface.h>
#endif

void releaseSharedCaches()
{
	ImageManager::deleteInstance();
}

void reportLeakedMemory()
{
#if defined(TOLVANE_HAVE_LEAK_SANITIZER)
	__lsan_do_recoverable_leak_check();
#endif
}
