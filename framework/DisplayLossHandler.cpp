#include "DisplayLossHandler.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// The socket of the window's X connection, for the SIGPIPE handler: its number, and the
// device and inode that tell it from whatever may take that number once the display is
// closed (the program may go on without video).
volatile sig_atomic_t xConnection = -1;
volatile dev_t xConnectionDevice = 0;
volatile ino_t xConnectionInode = 0;

bool isTheXConnection(int fd)
{
	struct stat status;
	return fd >= 0 && fstat(fd, &status) == 0 && status.st_dev == xConnectionDevice
		&& status.st_ino == xConnectionInode;
}

// A connection whose server has gone reads as hung up (or in error, over TCP).
bool xConnectionLost()
{
	const int fd = xConnection;
	if (!isTheXConnection(fd))
		return false;
	pollfd connection = {fd, 0, 0};
	return poll(&connection, 1, 0) == 1 && (connection.revents & (POLLHUP | POLLERR)) != 0;
}

// Returning lets the write that raised SIGPIPE fail with EPIPE: on the lost X connection,
// Xlib then calls endProgramOnDisplayLoss(). Any other SIGPIPE is raised again under the
// default action, which ends the process once this handler returns, as it always did.
void onBrokenPipe(int)
{
	const int savedErrno = errno;
	const bool lost = xConnectionLost();
	errno = savedErrno;
	if (lost)
		return;
	struct sigaction defaultAction = {};
	defaultAction.sa_handler = SIG_DFL;
	sigaction(SIGPIPE, &defaultAction, nullptr);
	raise(SIGPIPE);
}

// The socket of the window's X connection, or -1 when the window is not on X.
int xConnectionOf(SDL_Window* window)
{
	SDL_SysWMinfo info;
	SDL_VERSION(&info.version);
	if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
		return -1;
	return ConnectionNumber(info.info.x11.display);
}

// Hands SIGPIPE to onBrokenPipe() for this connection, unless the program chose its own
// handling of SIGPIPE.
void guardAgainstSigpipe(int connection)
{
	struct sigaction current = {};
	struct stat status;
	if (sigaction(SIGPIPE, nullptr, &current) != 0 ||
		(current.sa_handler != SIG_DFL && current.sa_handler != onBrokenPipe) || fstat(connection, &status) != 0)
		return;
	// A handler already in place (an earlier display) sees no connection while this one is noted.
	xConnection = -1;
	xConnectionDevice = status.st_dev;
	xConnectionInode = status.st_ino;
	xConnection = connection;
	struct sigaction handler = {};
	handler.sa_handler = onBrokenPipe;
	handler.sa_flags = SA_RESTART;
	sigaction(SIGPIPE, &handler, nullptr);
}

// SDL reports a window's showing from inside SDL_CreateWindow(), as soon as the window is
// on the screen, and whoever made it: the first window event that has an X window guards
// its connection, which every later window shares.
int guardOnFirstWindowEvent(void*, SDL_Event* event)
{
	if (event->type != SDL_WINDOWEVENT)
		return 0;
	const int connection = xConnectionOf(SDL_GetWindowFromID(event->window.windowID));
	if (connection >= 0)
	{
		guardAgainstSigpipe(connection);
		SDL_DelEventWatch(guardOnFirstWindowEvent, nullptr);
	}
	return 0;
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
	SDL_DelEventWatch(guardOnFirstWindowEvent, nullptr);
	SDL_AddEventWatch(guardOnFirstWindowEvent, nullptr);
}
