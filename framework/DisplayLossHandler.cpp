#include "DisplayLossHandler.h"

#include <SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace
{
const char* const x11VideoDriver = "x11";
// SDL loads this library itself for its x11 driver; it is only looked up here, never loaded,
// so the framework needs no link to X11 and other drivers are left alone.
const char* const x11Library = "libX11.so.6";
const char* const displayLostLine = "The display went away: the program ends\n";
const int displayLostStatus = 1;

// Xlib's connection type, only ever handled through a pointer.
struct XlibDisplay;
using IOErrorHandler = int (*)(XlibDisplay*);
using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);

// Xlib calls this when the connection breaks and would exit() if it returned; _exit() keeps
// the exit handlers away from the dead connection.
int endProgramOnDisplayLoss(XlibDisplay*)
{
	std::fflush(stdout);
	std::fputs(displayLostLine, stderr);
	_exit(displayLostStatus);
}
} // namespace

void DisplayLossHandler::installForCurrentVideoDriver()
{
	const char* driver = SDL_GetCurrentVideoDriver();
	if (driver == nullptr || std::strcmp(driver, x11VideoDriver) != 0)
		return;
	void* library = dlopen(x11Library, RTLD_NOW | RTLD_NOLOAD);
	if (library == nullptr)
		return;
	if (auto setHandler = reinterpret_cast<SetIOErrorHandler>(dlsym(library, "XSetIOErrorHandler")))
		setHandler(endProgramOnDisplayLoss);
	// Only drops the reference NOLOAD took: SDL still holds the library.
	dlclose(library);
}
