#include "BaseEngine.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Diagnostics.h"
#include "DisplayLossHandler.h"
#include "DisplayableObject.h"
#include "ImageManager.h"
#include "SaturatingInt.h"

namespace
{
// The program's very first press at window (0, 0) is ignored: process-wide, shared by every engine.
bool firstPressPending = true;

bool exitHandlersRegistered = false;

// The screen pixels one virtual pixel spans on an axis, from the screen values of virtual 1
// and 0: at least 1, so that a zoom-out's margin still reaches one screen pixel.
int screenSizeOfOnePixel(int screenOfOne, int screenOfZero)
{
	return std::max(1, clampToInt(static_cast<long long>(screenOfOne) - screenOfZero));
}

// Initialised engines not yet destroyed. Never freed: an engine held in a static may be
// destroyed after every other static.
std::vector<BaseEngine*>& liveEngines()
{
	static std::vector<BaseEngine*>* engines = new std::vector<BaseEngine*>();
	return *engines;
}

void rememberLiveEngine(BaseEngine* engine)
{
	std::vector<BaseEngine*>& engines = liveEngines();
	if (std::find(engines.begin(), engines.end(), engine) == engines.end())
		engines.push_back(engine);
}

void forgetLiveEngine(BaseEngine* engine)
{
	std::vector<BaseEngine*>& engines = liveEngines();
	engines.erase(std::remove(engines.begin(), engines.end(), engine), engines.end());
}

// Video drivers that show nothing: SDL falls back to them when no display is reachable.
const char* const headlessVideoDrivers[] = {"offscreen", "dummy"};

// The headless driver SDL chose without being asked to (by the environment or a hint), or null.
const char* unrequestedHeadlessDriver()
{
	const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
	const char* current = SDL_GetCurrentVideoDriver();
	if ((requested != nullptr && requested[0] != '\0') || current == nullptr)
		return nullptr;
	for (const char* headless : headlessVideoDrivers)
		if (std::strcmp(current, headless) == 0)
			return current;
	return nullptr;
}

const unsigned int defaultBackgroundColour = 0xFFFF00;
const unsigned int unknownColour = 0xCCCCCC;

const unsigned int colourTable[] = {
	0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0xFFFFFF, 0xFFC0C0, 0xC0FFC0,
	0xC0C0FF, 0xC00000, 0x00C000, 0x0000C0, 0xC000C0, 0xC0C000, 0x00C0C0, 0xC0C0C0, 0xFF8080, 0x80FF80,
	0x8080FF, 0x800000, 0x008000, 0x000080, 0x800080, 0x808000, 0x008080, 0x808080, 0xC08080, 0x80C080,
	0x8080C0, 0x400000, 0x004000, 0x000040, 0x400040, 0x404000, 0x004040, 0x404040, 0xC04040, 0x40C040,
	0x4040C0,
};
const int colourTableSize = sizeof(colourTable) / sizeof(colourTable[0]);

struct KeyIndex
{
	int keyCode;
	int index;
};

// Keys above 127 that have an entry of their own in the key-state array.
const KeyIndex mappedKeys[] = {
	{SDLK_UP, 128}, {SDLK_DOWN, 129}, {SDLK_LEFT, 130}, {SDLK_RIGHT, 131},
	{SDLK_F1, 132}, {SDLK_F2, 133}, {SDLK_F3, 134}, {SDLK_F4, 135}, {SDLK_F5, 136}, {SDLK_F6, 137},
	{SDLK_F7, 138}, {SDLK_F8, 139}, {SDLK_F9, 140}, {SDLK_F10, 141}, {SDLK_F11, 142}, {SDLK_F12, 143},
	{SDLK_PRINTSCREEN, 144}, {SDLK_SCROLLLOCK, 145}, {SDLK_PAUSE, 146}, {SDLK_INSERT, 147},
	{SDLK_HOME, 148}, {SDLK_PAGEUP, 149}, {SDLK_END, 151}, {SDLK_PAGEDOWN, 152},
	{SDLK_CAPSLOCK, 158}, {SDLK_NUMLOCKCLEAR, 159}, {SDLK_KP_DIVIDE, 160}, {SDLK_KP_MULTIPLY, 161},
	{SDLK_KP_MINUS, 162}, {SDLK_KP_PLUS, 163}, {SDLK_KP_ENTER, 164},
	{SDLK_LCTRL, 165}, {SDLK_LSHIFT, 166}, {SDLK_LALT, 167}, {SDLK_LGUI, 168},
	{SDLK_RCTRL, 169}, {SDLK_RSHIFT, 170}, {SDLK_RALT, 171}, {SDLK_RGUI, 172},
};
}

void mydebug()
{
	diagnosticPrintf("Ended normally (output from mydebug() function)\n");
}

BaseEngine::BaseEngine()
	: DisplayableObjectContainer(0),
	  m_foregroundSurfaceStorage(this),
	  m_backgroundSurfaceStorage(this),
	  m_foregroundSurface(&m_foregroundSurfaceStorage),
	  m_backgroundSurface(&m_backgroundSurfaceStorage)
{
}

// The engine's surfaces and window go with it, so a process that runs one engine after
// another (as the tests do) does not keep every finished engine's window-sized buffers.
BaseEngine::~BaseEngine()
{
	releaseLibraryResources();
	delete[] m_keyStates;
	m_keyStates = nullptr;
	forgetLiveEngine(this);
}

// Objects go first: their destructors may still use the fonts and surfaces.
void BaseEngine::releaseLibraryResources()
{
	removeAllObjects(true);
	m_fontCache.closeAll();
	releaseWindowAndSurfaces();
}

void BaseEngine::releaseEnginesThenQuitFontLibrary()
{
	for (BaseEngine* engine : liveEngines())
		engine->releaseLibraryResources();
	TTF_Quit();
}

void BaseEngine::releaseEnginesThenQuitSdl()
{
	for (BaseEngine* engine : liveEngines())
		engine->releaseLibraryResources();
	SDL_Quit();
}

// Once SDL's video has been shut down behind the engine's back, calling into it would
// crash: the pointers are only dropped then.
void BaseEngine::releaseWindowAndSurfaces()
{
	PixelSurface* const own[] = {&m_foregroundSurfaceStorage, &m_backgroundSurfaceStorage};
	const bool holdsAny = m_window != nullptr || m_renderer != nullptr || m_texture != nullptr ||
		own[0]->getSDLSurface() != nullptr || own[1]->getSDLSurface() != nullptr;
	if (!holdsAny)
		return;
	const bool sdlRunning = SDL_WasInit(SDL_INIT_VIDEO) != 0;
	for (PixelSurface* surface : own)
	{
		if (sdlRunning)
			SDL_FreeSurface(surface->getSDLSurface());
		surface->releaseSDLSurface();
	}
	if (sdlRunning && m_texture != nullptr)
		SDL_DestroyTexture(m_texture);
	if (sdlRunning && m_renderer != nullptr)
		SDL_DestroyRenderer(m_renderer);
	if (sdlRunning && m_window != nullptr)
		SDL_DestroyWindow(m_window);
	m_texture = nullptr;
	m_renderer = nullptr;
	m_window = nullptr;
}

// ---------------------------------------------------------------- life cycle

int BaseEngine::initialise(const char* title, int width, int height, const char* fontFile, int fontSize)
{
	if (m_windowMakingStarted)
	{
		diagnosticPrintf("BaseEngine::initialise(): this engine was initialised before; no second window is made\n");
		return 1;
	}
	m_windowWidth = width;
	m_windowHeight = height;
	updateEngineClip();

	if (!startVideo())
		return 1;
	DisplayLossHandler::installForCurrentVideoDriver();
	m_windowMakingStarted = true;
	makeFirstUpdateDue();
	rememberLiveEngine(this);
	// Registered once per process: at exit they run as TTF_Quit, SDL_Quit, mydebug, each
	// library's quit preceded by the release of what live engines hold from it.
	if (!exitHandlersRegistered)
	{
		exitHandlersRegistered = true;
		std::atexit(mydebug);
		std::atexit(releaseEnginesThenQuitSdl);
	}
	if (!TTF_WasInit())
	{
		TTF_Init();
		std::atexit(releaseEnginesThenQuitFontLibrary);
	}
	m_fontCache.openAll();
	if (fontFile != nullptr && fontFile[0] != '\0')
		m_defaultFont = getFont(fontFile, fontSize);

	if (createWindow(title) != 0 || createSurfaces() != 0)
		return 1;

	m_keyStates = new unsigned char[keyStateCount];
	std::memset(m_keyStates, 0, keyStateCount);

	setUpContent();
	return 0;
}

// Without a display SDL falls back to a driver that shows nothing, and the program would
// run unseen and never end; a caller who named such a driver (tests, benchmarks) gets it.
bool BaseEngine::startVideo()
{
	if (SDL_Init(SDL_INIT_VIDEO) < 0)
	{
		std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
		return false;
	}
	if (const char* driver = unrequestedHeadlessDriver())
	{
		std::fprintf(stderr,
			"Unable to open the window: there is no display to show it on (SDL fell back to its %s video driver)\n",
			driver);
		SDL_QuitSubSystem(SDL_INIT_VIDEO);
		return false;
	}
	return true;
}

int BaseEngine::createWindow(const char* title)
{
	m_window = SDL_CreateWindow(title, 10, 40, m_windowWidth, m_windowHeight, 0);
	if (m_window == nullptr)
	{
		diagnosticPrintf("Unable to create window: %s\n", SDL_GetError());
		return 1;
	}
	m_renderer = SDL_CreateRenderer(m_window, -1, 0);
	if (m_renderer == nullptr)
	{
		diagnosticPrintf("Unable to create renderer: %s\n", SDL_GetError());
		return 1;
	}
	m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, m_windowWidth, m_windowHeight);
	if (m_texture == nullptr)
	{
		diagnosticPrintf("Unable to create texture: %s\n", SDL_GetError());
		return 1;
	}
	return 0;
}

int BaseEngine::createSurfaces()
{
	m_foregroundSurface->createSurface(m_windowWidth, m_windowHeight);
	m_backgroundSurface->createSurface(m_windowWidth, m_windowHeight);
	if (m_foregroundSurface->getSDLSurface() == nullptr || m_backgroundSurface->getSDLSurface() == nullptr)
	{
		diagnosticPrintf("Unable to create drawing surfaces: %s\n", SDL_GetError());
		return 1;
	}
	return 0;
}

int BaseEngine::setUpContent()
{
	m_backgroundSurface->mySDLLockSurface();
	drawBackground();
	m_backgroundSurface->mySDLUnlockSurface();
	createObjects();
	return 0;
}

void BaseEngine::deinitialise()
{
	onShutdown();
	delete[] m_keyStates;
	m_keyStates = nullptr;
}

int BaseEngine::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	return 0;
}

void BaseEngine::drawBackground()
{
	fillBackground(defaultBackgroundColour);
}

// ---------------------------------------------------------------- main loop and time

int BaseEngine::mainLoop()
{
	while (m_exitCode == -1)
	{
		if (!runLoopIteration())
			return 0;
	}
	return 0;
}

bool BaseEngine::runLoopIteration()
{
	onLoopStart();
	SDL_Event event;
	if (m_waitForEvents && SDL_WaitEvent(&event) != 0 && !handleEvent(&event))
		return false;
	while (SDL_PollEvent(&event))
	{
		if (!handleEvent(&event))
			return false;
	}
	onLoopAfterEvents();
	m_currentTime = readTickCount();
	if (isTimeToUpdate())
	{
		onBeforeUpdate();
		updateAllObjects(getGameTime());
		onAfterUpdate();
	}
	onBeforeRender();
	renderFrame();
	return true;
}

// The first loop pass always updates. A due time of 0 would hold the first update back
// for 24.8 days when the tick count already runs negative, so it is due at the tick count
// of the start. The current time and the pause stay as they are: programs read them.
void BaseEngine::makeFirstUpdateDue()
{
	m_nextUpdateTime = readTickCount();
}

// Due times are compared by their difference, so updates go on when the tick count passes
// the int range and turns negative.
bool BaseEngine::isTimeToUpdate()
{
	if (m_updatePeriod < minimumUpdatePeriod)
		m_updatePeriod = minimumUpdatePeriod;
	if (timeReached(m_currentTime, m_nextUpdateTime))
	{
		m_nextUpdateTime = timeAfter(m_currentTime, m_updatePeriod);
		return true;
	}
	return false;
}

int BaseEngine::getGameTime()
{
	const int clockTime = m_paused ? m_pauseStart : m_currentTime;
	return timeDifference(clockTime, m_totalPausedTime);
}

// A second pause keeps the first pause's start; otherwise the time between the two
// calls would be counted as game time.
void BaseEngine::pause()
{
	if (!m_paused)
	{
		m_paused = true;
		m_pauseStart = m_currentTime;
	}
	requestFullRedraw();
}

void BaseEngine::unpause()
{
	if (m_paused)
	{
		m_totalPausedTime = timeAfter(m_totalPausedTime, timeDifference(m_currentTime, m_pauseStart));
		m_paused = false;
	}
	requestFullRedraw();
}

void BaseEngine::updateAllObjects(int time)
{
	processAllObjectsOnce([time](DisplayableObject* object) { object->update(time); });
}

void BaseEngine::drawAllObjects()
{
	processAllObjectsOnce([](DisplayableObject* object) { object->draw(); });
}

void BaseEngine::setAllObjectsVisible(bool visible)
{
	forEachObjectUntil([visible](DisplayableObject* object) {
		object->setVisible(visible);
		return false;
	});
}

// ---------------------------------------------------------------- events and keys

void BaseEngine::setFirstPressRuleArmed(bool armed)
{
	firstPressPending = armed;
}

int BaseEngine::keyCodeToIndex(int keyCode)
{
	if (keyCode < 0)
		return 0;
	if (keyCode <= 127)
		return keyCode;
	for (const KeyIndex& mapped : mappedKeys)
		if (mapped.keyCode == keyCode)
			return mapped.index;
	return 0;
}

bool BaseEngine::isKeyPressed(int keyCode) const
{
	return m_keyStates != nullptr && m_keyStates[keyCodeToIndex(keyCode)] != 0;
}

bool BaseEngine::handleEvent(const SDL_Event* event)
{
	if (firstPressPending && event->type == SDL_MOUSEBUTTONDOWN)
	{
		firstPressPending = false;
		if (event->button.x == 0 && event->button.y == 0)
			return true;
	}
	switch (event->type)
	{
	case SDL_QUIT:
		return false;
	case SDL_KEYDOWN:
	case SDL_KEYUP:
	{
		const bool down = event->type == SDL_KEYDOWN;
		const int key = event->key.keysym.sym;
		if (m_keyStates != nullptr)
			m_keyStates[keyCodeToIndex(key)] = down ? 1 : 0;
		if (down)
			onKeyDown(key);
		else
			onKeyUp(key);
		if (m_keyEventsToObjects)
			forEachObjectUntil([down, key](DisplayableObject* object) {
				if (down)
					object->onKeyDown(key);
				else
					object->onKeyUp(key);
				return false;
			});
		return true;
	}
	case SDL_MOUSEMOTION:
	{
		m_mouseX = toVirtualX(event->motion.x);
		m_mouseY = toVirtualY(event->motion.y);
		const int x = m_mouseX;
		const int y = m_mouseY;
		onMouseMove(x, y);
		if (m_mouseEventsToObjects)
			forEachObjectUntil([x, y](DisplayableObject* object) {
				object->onMouseMove(x, y);
				return false;
			});
		return true;
	}
	case SDL_MOUSEBUTTONDOWN:
		handleMouseButtonDown(event->button);
		return true;
	case SDL_MOUSEBUTTONUP:
	{
		const int button = event->button.button;
		onRawMouseUp(button, event->button.x, event->button.y);
		m_mouseUpX = toVirtualX(event->button.x);
		m_mouseUpY = toVirtualY(event->button.y);
		const int x = m_mouseUpX;
		const int y = m_mouseUpY;
		onMouseUp(button, x, y);
		if (m_mouseEventsToObjects)
			forEachObjectUntil([button, x, y](DisplayableObject* object) {
				object->onMouseUp(button, x, y);
				return false;
			});
		return true;
	}
	case SDL_MOUSEWHEEL:
		onMouseWheel(event->wheel.x, event->wheel.y, event->wheel.which, event->wheel.timestamp);
		return true;
	case SDL_FINGERDOWN:
	case SDL_FINGERUP:
	case SDL_FINGERMOTION:
		onTouch(event->tfinger.type, event->tfinger.timestamp, event->tfinger.touchId, event->tfinger.fingerId,
			event->tfinger.x, event->tfinger.y, event->tfinger.dx, event->tfinger.dy, event->tfinger.pressure);
		return true;
	default:
		return true;
	}
}

void BaseEngine::handleMouseButtonDown(const SDL_MouseButtonEvent& press)
{
	const int button = press.button;
	onRawMouseDown(button, press.x, press.y);
	m_mouseDownX = toVirtualX(press.x);
	m_mouseDownY = toVirtualY(press.y);
	const int x = m_mouseDownX;
	const int y = m_mouseDownY;
	onMouseDown(button, x, y);
	if (m_mouseEventsToObjects)
		forEachObjectUntil([button, x, y](DisplayableObject* object) {
			object->onMouseDown(button, x, y);
			return false;
		});
	if (!offerPressToObjects(button, x, y))
		onMouseDownNotHandled(button, press.x, press.y, x, y);
}

// Offers the press to the objects one by one until one claims it. With both flags set
// the second pass runs even after a claim, as the two orders are independent choices.
bool BaseEngine::offerPressToObjects(int button, int x, int y)
{
	bool claimed = false;
	auto offer = [button, x, y](DisplayableObject* object) { return object->offerClick(button, x, y); };
	if (m_mouseDownFirstToLast)
		claimed = forEachObjectUntil(offer, false) || claimed;
	if (m_mouseDownLastToFirst)
		claimed = forEachObjectUntil(offer, true) || claimed;
	return claimed;
}

// ---------------------------------------------------------------- redraw

void BaseEngine::requestFullRedraw()
{
	m_wholeScreenRedraw = true;
	m_redrawPending = true;
	updateEngineClip();
}

// Sides and margins are worked out wide and stop at the int limits, so an area at the far
// end of the virtual plane, or a deep zoom's wide margin, grows the rectangle to the limit
// instead of wrapping round.
void BaseEngine::redrawArea(int x, int y, int w, int h)
{
	const int mx = screenSizeOfOnePixel(toScreenX(1), toScreenX(0));
	const int my = screenSizeOfOnePixel(toScreenY(1), toScreenY(0));
	if (x < m_dirtyVirtualLeft)
	{
		m_dirtyVirtualLeft = saturatingAdd(x, -mx);
		m_dirtyScreenLeft = toScreenX(m_dirtyVirtualLeft);
	}
	if (y < m_dirtyVirtualTop)
	{
		m_dirtyVirtualTop = saturatingAdd(y, -my);
		m_dirtyScreenTop = toScreenY(m_dirtyVirtualTop);
	}
	if (m_dirtyVirtualRight < static_cast<long long>(x) + w)
	{
		m_dirtyVirtualRight = clampToInt(static_cast<long long>(x) + w + mx);
		m_dirtyScreenRight = toScreenX(m_dirtyVirtualRight);
	}
	if (m_dirtyVirtualBottom < static_cast<long long>(y) + h)
	{
		m_dirtyVirtualBottom = clampToInt(static_cast<long long>(y) + h + my);
		m_dirtyScreenBottom = toScreenY(m_dirtyVirtualBottom);
	}
	m_redrawPending = true;
	updateEngineClip();
}

void BaseEngine::redrawBackground()
{
	m_backgroundSurface->mySDLLockSurface();
	drawBackground();
	m_backgroundSurface->mySDLUnlockSurface();
	requestFullRedraw();
}

void BaseEngine::resetDirtyRectangles(int emptyLow, int emptyHigh)
{
	m_dirtyVirtualLeft = m_dirtyVirtualTop = m_dirtyScreenLeft = m_dirtyScreenTop = emptyLow;
	m_dirtyVirtualRight = m_dirtyVirtualBottom = m_dirtyScreenRight = m_dirtyScreenBottom = emptyHigh;
	updateEngineClip();
}

void BaseEngine::updateEngineClip()
{
	const int windowRight = m_windowWidth - 1;
	const int windowBottom = m_windowHeight - 1;
	if (!m_redrawPending || m_wholeScreenRedraw)
		m_engineFilter.setAcceptedArea(0, 0, windowRight, windowBottom);
	else
		m_engineFilter.setAcceptedArea(std::max(0, m_dirtyScreenLeft), std::max(0, m_dirtyScreenTop),
			std::min(windowRight, m_dirtyScreenRight), std::min(windowBottom, m_dirtyScreenBottom));
}

void BaseEngine::renderFrame()
{
	if (!m_redrawPending)
		return;
	m_foregroundSurface->mySDLLockSurface();
	m_backgroundSurface->mySDLLockSurface();
	if (m_wholeScreenRedraw)
		copyBackgroundToForeground();
	else
		copyAcceptedAreaToForeground();
	onRenderStart();
	drawTextUnderObjects();
	drawAllObjects();
	drawTextOverObjects();
	onRenderEnd();
	m_backgroundSurface->mySDLUnlockSurface();
	m_foregroundSurface->mySDLUnlockSurface();
	m_foregroundSurface->updateTexture(m_texture);
	if (m_renderer != nullptr)
	{
		SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
		SDL_RenderPresent(m_renderer);
	}
	m_redrawPending = false;
	m_wholeScreenRedraw = false;
	resetDirtyRectangles(presentedEmptyLow, presentedEmptyHigh);
}

// The dirty rectangle cut to the window, right column and bottom row included: the very area
// the clip lets the frame's drawing change, so nothing stale is left in it and nothing outside
// it is touched. The clip holds the cut already, so a rectangle wider than the int range (a
// deep zoom's margins) copies the window like any other.
void BaseEngine::copyAcceptedAreaToForeground()
{
	const int left = m_engineFilter.getLeft();
	const int top = m_engineFilter.getTop();
	copyBackgroundAreaToForeground(left, top, valuesFromTo(left, m_engineFilter.getRight()),
		valuesFromTo(top, m_engineFilter.getBottom()));
}

void BaseEngine::fillBackground(unsigned int colour)
{
	m_backgroundSurface->fill(colour);
}

void BaseEngine::copyBackgroundToForeground()
{
	m_foregroundSurface->copyEntireSurface(m_backgroundSurface);
}

void BaseEngine::copyBackgroundAreaToForeground(int x, int y, int w, int h)
{
	m_foregroundSurface->copyRectangleFrom(m_backgroundSurface, x, y, w, h, 0, 0);
}

// ---------------------------------------------------------------- colours and drawing forwarders

unsigned int BaseEngine::getColour(int index)
{
	if (index < 0 || index >= colourTableSize)
		return unknownColour;
	return colourTable[index];
}

void BaseEngine::drawBackgroundLine(int x1, int y1, int x2, int y2, unsigned int colour)
{
	m_backgroundSurface->drawLine(x1, y1, x2, y2, colour);
}

void BaseEngine::drawForegroundLine(int x1, int y1, int x2, int y2, unsigned int colour)
{
	m_foregroundSurface->drawLine(x1, y1, x2, y2, colour);
}

void BaseEngine::drawForegroundRectangle(int x1, int y1, int x2, int y2, unsigned int colour)
{
	m_foregroundSurface->drawRectangle(x1, y1, x2, y2, colour);
}

void BaseEngine::drawBackgroundRectangle(int x1, int y1, int x2, int y2, unsigned int colour)
{
	m_backgroundSurface->drawRectangle(x1, y1, x2, y2, colour);
}

void BaseEngine::drawBackgroundOval(int x1, int y1, int x2, int y2, unsigned int colour)
{
	m_backgroundSurface->drawOval(x1, y1, x2, y2, colour);
}

void BaseEngine::drawForegroundOval(int x1, int y1, int x2, int y2, unsigned int colour)
{
	m_foregroundSurface->drawOval(x1, y1, x2, y2, colour);
}

void BaseEngine::drawBackgroundTriangle(int x1, int y1, int x2, int y2, int x3, int y3, unsigned int colour)
{
	m_backgroundSurface->drawTriangle(x1, y1, x2, y2, x3, y3, colour);
}

void BaseEngine::drawForegroundTriangle(int x1, int y1, int x2, int y2, int x3, int y3, unsigned int colour)
{
	m_foregroundSurface->drawTriangle(x1, y1, x2, y2, x3, y3, colour);
}

void BaseEngine::drawBackgroundTrapezium(double xLeft, double xRight, double yFirstLeft, double yFirstRight,
	double ySecondLeft, double ySecondRight, unsigned int colour)
{
	m_backgroundSurface->drawTrapezium(xLeft, xRight, yFirstLeft, yFirstRight, ySecondLeft, ySecondRight, colour);
}

// Coordinates come as x1, y1, x2, y2, ...; the surface takes the xs and the ys as two arrays.
void BaseEngine::drawBackgroundPolygon(int count, const double* coordinates, unsigned int colour)
{
	if (count <= 0)
		return;
	// drawPolygon rearranges its arrays, so it gets copies sized to the vertex count.
	std::vector<double> xs(static_cast<size_t>(count));
	std::vector<double> ys(static_cast<size_t>(count));
	for (int i = 0; i < count; ++i)
	{
		xs[static_cast<size_t>(i)] = coordinates[2 * i];
		ys[static_cast<size_t>(i)] = coordinates[2 * i + 1];
	}
	m_backgroundSurface->drawPolygon(count, xs.data(), ys.data(), colour);
}

void BaseEngine::drawBackgroundQuadrilateral(double x1, double y1, double x2, double y2, double x3, double y3,
	double x4, double y4, unsigned int colour)
{
	const double c[] = {x1, y1, x2, y2, x3, y3, x4, y4};
	drawBackgroundPolygon(4, c, colour);
}

void BaseEngine::drawBackgroundPentagon(double x1, double y1, double x2, double y2, double x3, double y3,
	double x4, double y4, double x5, double y5, unsigned int colour)
{
	const double c[] = {x1, y1, x2, y2, x3, y3, x4, y4, x5, y5};
	drawBackgroundPolygon(5, c, colour);
}

void BaseEngine::drawBackgroundHexagon(double x1, double y1, double x2, double y2, double x3, double y3,
	double x4, double y4, double x5, double y5, double x6, double y6, unsigned int colour)
{
	const double c[] = {x1, y1, x2, y2, x3, y3, x4, y4, x5, y5, x6, y6};
	drawBackgroundPolygon(6, c, colour);
}

void BaseEngine::drawBackgroundHeptagon(double x1, double y1, double x2, double y2, double x3, double y3,
	double x4, double y4, double x5, double y5, double x6, double y6, double x7, double y7, unsigned int colour)
{
	const double c[] = {x1, y1, x2, y2, x3, y3, x4, y4, x5, y5, x6, y6, x7, y7};
	drawBackgroundPolygon(7, c, colour);
}

void BaseEngine::drawBackgroundOctagon(double x1, double y1, double x2, double y2, double x3, double y3,
	double x4, double y4, double x5, double y5, double x6, double y6, double x7, double y7,
	double x8, double y8, unsigned int colour)
{
	const double c[] = {x1, y1, x2, y2, x3, y3, x4, y4, x5, y5, x6, y6, x7, y7, x8, y8};
	drawBackgroundPolygon(8, c, colour);
}

void BaseEngine::drawBackgroundString(int x, int y, const char* text, unsigned int colour, FontEntry* font)
{
	m_backgroundSurface->drawString(x, y, text, colour, font);
}

void BaseEngine::drawForegroundString(int x, int y, const char* text, unsigned int colour, FontEntry* font)
{
	m_foregroundSurface->drawString(x, y, text, colour, font);
}

ImageHandle BaseEngine::loadImage(std::string url, bool keep)
{
	return ImageManager::loadImage(url, keep);
}
