#pragma once
// Base class of every program's engine: owns the window, the two drawing surfaces, the
// fonts and the object list, runs the main loop (events, timed updates, pause, redraw)
// and is itself the last point filter of every chain (it clips to the window and to the
// dirty rectangle). Programs derive from it and override the virtual hooks.
//
// Life cycle
//   Construct the engine (no SDL yet; fonts asked for now open during initialise), then:
//   initialise(title, width, height, fontFile, fontSize), once: stores the size; starts SDL video
//     and the font library and opens the fonts; loads the default font; createWindow();
//     createSurfaces(); makes the key states; setUpContent(), which by default calls
//     drawBackground() on the locked background and then createObjects(). 0 on success.
//   mainLoop(): runs loop iterations until the program ends it; returns 0.
//   deinitialise(): onShutdown(), then frees the key states. The destructor deletes the
//     objects that allow it, closes the fonts and frees the window and the surfaces.
//
// One loop iteration
//   onLoopStart(); the events (one awaited first with setWaitForEvents(true), then every
//   pending one through handleEvent() and the input hooks); onLoopAfterEvents(); the tick
//   count is read; when isTimeToUpdate() (once per update period, 10 ms by default):
//   onBeforeUpdate(), every object's update(getGameTime()), onAfterUpdate(); then
//   onBeforeRender() and renderFrame().
//
// The redraw rule
//   Nothing on the screen changes unless a redraw was requested: renderFrame() does nothing
//   otherwise, so an object that moves without asking looks frozen. Requests:
//   requestFullRedraw() (the whole window), redrawArea() (a virtual rectangle: the frame
//   then changes only that area, so name where a moved object was and where it is now),
//   redrawBackground(), pause() and unpause(); for objects DisplayableObject's
//   requestFullRedraw() and redrawOwnArea(). MovingObject and the dragable objects ask by
//   themselves. A frame copies the background (whole, or the requested area) onto the
//   foreground, then calls onRenderStart(), drawTextUnderObjects(), each object's draw() in
//   list order, drawTextOverObjects() and onRenderEnd() with both surfaces locked, and shows
//   the foreground. The first frame is a whole one.
//
// Ending the loop
//   setExitCode() with any value but -1, from any hook or handler: the current iteration
//   finishes (update, render) and mainLoop() returns 0; getExitCode() gives the code back.
//   A quit event (the window closed) ends the loop at once, also with 0.
//
// When the display goes away
//   With SDL's x11 driver, a connection to the X server that breaks while the program runs
//   (a dropped remote session, a stopped virtual display) ends the process at once with
//   "The display went away: the program ends" on standard error and status 1; no exit
//   handler runs, as each would wait on the dead connection (DisplayLossHandler). For that,
//   once the window shows, SIGPIPE left at its default action gets a handler: a write to the
//   lost connection fails instead of ending the program silently; any other SIGPIPE still
//   ends it. A SIGPIPE handler or SIG_IGN set before initialise() is kept.
//
// Drawing on the background outside drawBackground()
//   Every pixel write needs its surface locked; without the lock the pixel is still written
//   but prints the write warning, once per pixel. drawBackground(), the frame's hooks and
//   the objects' draw() run with the lock held; anywhere else (a key handler, say) write
//     lockBackgroundForDrawing();
//     drawBackgroundRectangle(...);      // any drawing on the background surface
//     unlockBackgroundForDrawing();
//     redrawArea(...);                   // or requestFullRedraw(): shown only then
//   redrawBackground() does all of this with drawBackground(). While a partial redraw is
//   pending, writes on either surface are clipped to its area, redrawBackground()'s too:
//   to draw across the window then, call requestFullRedraw() before the drawing.
//
// The engine's own filter is a small member object rather than a base class: the engine's
// toScreenX()/toVirtualX() convert through the foreground surface's whole filter chain,
// while the filter that ends such a chain must convert as the identity, and one class
// cannot give one name both meanings. Chains that must end in the engine's clipping pass
// getEngineFilter() as their next filter.

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

#include "DisplayableObjectContainer.h"
#include "FilterPoints.h"
#include "FontCache.h"
#include "PixelSurface.h"
#include "WrappingTime.h"

class BaseEngine;
class ImageHandle;

// The engine's clipping as the filter that ends the surfaces' chains: it accepts the
// screen points of the area the engine's current redraw may change, which the engine
// keeps up to date, so a filtered write costs one virtual call and four compares.
// Conversions are the identity.
class EngineClipFilter final : public FilterPoints
{
public:
	virtual ~EngineClipFilter() = default;
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override
	{
		(void)surface;
		(void)colour;
		return accepts(x, y);
	}
	bool accepts(int x, int y) const { return x >= m_left && x <= m_right && y >= m_top && y <= m_bottom; }
	// Inclusive bounds; left > right or top > bottom accepts nothing.
	void setAcceptedArea(int left, int top, int right, int bottom)
	{
		m_left = left;
		m_top = top;
		m_right = right;
		m_bottom = bottom;
	}
	int getLeft() const { return m_left; }
	int getTop() const { return m_top; }
	int getRight() const { return m_right; }
	int getBottom() const { return m_bottom; }

private:
	int m_left = 0;
	int m_top = 0;
	int m_right = -1;
	int m_bottom = -1;
};

class BaseEngine : public DisplayableObjectContainer
{
public:
	// Where the engine reads the millisecond tick count; tests replace it to give time without sleeping.
	using TickSource = std::function<int()>;

	// Opens nothing: SDL, the window and the fonts come with initialise().
	BaseEngine();
	// Deletes the objects that allow it, closes the fonts, frees the window and the surfaces.
	virtual ~BaseEngine();
	BaseEngine(const BaseEngine&) = delete;
	BaseEngine& operator=(const BaseEngine&) = delete;

	// Life cycle (order in the overview above).
	// Called once, after construction and before mainLoop(), to make what the engine shows
	// (steps in the overview). 1 when SDL video, the window or the surfaces cannot be made
	// (the steps after it do not run); else 0. A null or empty font file leaves the default
	// font null. When SDL finds no display and falls back on its own to a driver that shows
	// nothing ("offscreen" or "dummy", not named through SDL_VIDEODRIVER), a line on standard
	// error says so and the result is 1 with nothing made, as when SDL video cannot start.
	// An engine makes its window once: a later call, also after deinitialise(), prints a line
	// and returns 1 without touching the size, the window or the content, because a subclass's
	// set-up hooks need not bear running twice (onShutdown() may have freed what they use).
	// The current time, the game time and the pause are left as the program made them.
	// Once SDL's video is up it sets up the end on a lost display (in the overview above).
	int initialise(const char* title, int width, int height, const char* fontFile, int fontSize);
	// onShutdown(), then frees the key states; the rest goes with the destructor.
	void deinitialise();
	// From a successful initialise() to deinitialise().
	bool isInitialised() const { return m_keyStates != nullptr; }

	// Input hooks, called by handleEvent(); all empty. Positions are virtual (converted
	// through the foreground surface's filter) unless the hook is raw; buttons are SDL's
	// numbers (1 left, 2 middle, 3 right); keys are SDL key codes. Objects get the key and
	// mouse calls too, after the engine, when setKeyEventsToObjects() and
	// setMouseEventsToObjects() ask for it.
	// Key repeats come as further onKeyDown() calls; isKeyPressed() is already up to date.
	virtual void onKeyUp(int key) { (void)key; }
	virtual void onKeyDown(int key) { (void)key; }
	// getCurrentMouseX()/Y() already hold the new position.
	virtual void onMouseMove(int x, int y) { (void)x; (void)y; }
	// Before the press is offered to the objects; getMouseXClickedDown()/Y() already hold it.
	virtual void onMouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onMouseUp(int button, int x, int y) { (void)button; (void)x; (void)y; }
	// The same press and release in window pixels, each called just before its virtual hook.
	virtual void onRawMouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onRawMouseUp(int button, int x, int y) { (void)button; (void)x; (void)y; }
	// x, y: the wheel's scroll amounts (not a position); which and timestamp as SDL gives them.
	virtual void onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp)
	{ (void)x; (void)y; (void)which; (void)timestamp; }
	// SDL's finger events (down, up, motion) as they come: positions normalised to 0..1.
	virtual void onTouch(unsigned int type, unsigned int timestamp, int64_t touchId, int64_t fingerId,
		float x, float y, float dx, float dy, float pressure)
	{ (void)type; (void)timestamp; (void)touchId; (void)fingerId; (void)x; (void)y; (void)dx; (void)dy; (void)pressure; }

	// Content and set-up hooks.
	// Last step of initialise(): drawBackground() on the locked background, then
	// createObjects(). Its result is not looked at.
	virtual int setUpContent();
	// Makes the window (at 10, 40), its renderer and a streaming texture of the window's
	// size; 0, or 1 after printing SDL's error.
	virtual int createWindow(const char* title);
	// Makes the foreground and background surfaces of the window's size; 0, or 1 after
	// printing SDL's error. An override that adds surfaces of its own calls this first.
	virtual int createSurfaces();
	// Called by deinitialise(): give back what the program made for itself (surfaces, say).
	virtual void onShutdown() {}
	// A press that no object claimed through offerClick(): every press while neither
	// setMouseDownTopmostFirst() nor setMouseDownFirstToLast() is on.
	virtual void onMouseDownNotHandled(int button, int windowX, int windowY, int virtualX, int virtualY)
	{ (void)button; (void)windowX; (void)windowY; (void)virtualX; (void)virtualY; }
	// Draws the whole background on the background surface; the caller holds its lock
	// (setUpContent() and redrawBackground() do). Default: fills it with yellow, 0xFFFF00.
	virtual void drawBackground();
	// Text on the foreground in every frame, under and over the objects (see the overview);
	// changed text is shown only once a redraw is requested.
	virtual void drawTextUnderObjects() {}
	virtual void drawTextOverObjects() {}

	// Loop hooks, in the order an iteration calls them (see the overview); the hooks are empty.
	// Start of every iteration, before its events.
	virtual void onLoopStart() {}
	// After the iteration's events, before the tick count is read.
	virtual void onLoopAfterEvents() {}
	// Around the object updates, in the iterations where isTimeToUpdate() says yes.
	virtual void onBeforeUpdate() {}
	virtual void onAfterUpdate() {}
	// Every iteration, just before renderFrame().
	virtual void onBeforeRender() {}
	// The update gate: true once the update period has passed since the last update, and
	// the next is then due one period later (missed updates are not made up). Raises a
	// period below 8 ms to 8.
	virtual bool isTimeToUpdate();
	// Called by the main loop every iteration, after onBeforeRender(): rebuilds and shows a
	// frame when a redraw is pending (see the overview), else nothing. A partial frame copies
	// the dirty area, right column and bottom row included, and clips all drawing to it.
	virtual void renderFrame();
	// First and last step of a frame's drawing: after the background copy, before the text
	// under the objects; after the text over them. Both surfaces are locked.
	virtual void onRenderStart() {}
	virtual void onRenderEnd() {}
	// An SDL fill of the whole background: the point filter and the redraw clip do not apply.
	virtual void fillBackground(unsigned int colour);
	// The frame's copy of the background onto the foreground: the whole of it, or the
	// requested area (x, y, w, h in screen pixels). A partial frame passes the dirty screen
	// rectangle, right column and bottom row included, cut to the window: the very area
	// whose pixels its drawing may change.
	virtual void copyBackgroundToForeground();
	virtual void copyBackgroundAreaToForeground(int x, int y, int w, int h);
	// Called by the loop for the time objects are updated with, and by any program code: the
	// tick count of the current time (or of the pause's start while paused) less every
	// finished pause. It starts from wherever SDL's clock stands, not from 0; it stands still
	// while paused, and runs on (negative) past the int range.
	virtual int getGameTime();
	// Creates the objects (from setUpContent()). The default empties the list, deleting the
	// objects that allow it; an override usually does the same first (markObjectsChanged(),
	// removeAllObjects(true)) and then fills the list. Returns 0.
	virtual int createObjects();
	// Each object's draw() / update(time) once, in list order; objects added during a pass
	// wait for the next one.
	virtual void drawAllObjects();
	virtual void updateAllObjects(int time);

	// The engine's own point filter: clips to the window and, during a partial redraw, to the
	// dirty rectangle; it never changes the point or the colour. Surfaces reach it through
	// getEngineFilter().
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour)
	{
		return m_engineFilter.filterPoint(surface, x, y, colour);
	}
	// The engine's clip as a filter: the last link of every chain a program builds.
	FilterPoints* getEngineFilter() { return &m_engineFilter; }

	// Main loop.
	// Runs iterations while the exit code is -1 and no quit event came; returns 0 either way.
	int mainLoop();
	// One pass of the loop (hooks, events, update, render); false when a quit event ended it.
	bool runLoopIteration();
	// Any code but -1 ends the loop after the current iteration; mainLoop() does not return it.
	void setExitCode(int code) { m_exitCode = code; }
	int getExitCode() const { return m_exitCode; }
	// Dispatches one SDL event to the key states, the hooks and the objects; false only for
	// a quit event. Tests feed events through it.
	bool handleEvent(const SDL_Event* event);

	// Time and pause.
	// The tick count read once per iteration after its events: handlers see the previous one,
	// and before the first iteration it is 0.
	int getCurrentTime() const { return m_currentTime; }
	// Milliseconds between object updates: 10 by default, below 8 counts as 8.
	void setUpdatePeriod(int period) { m_updatePeriod = period; }
	int getUpdatePeriod() const { return m_updatePeriod; }
	// pause() stops the game time, unpause() lets it go on (the pause does not count); both
	// request a full redraw. Objects are still updated while paused, with the time that
	// stands still: those that must not move test isPaused(). A second pause() is harmless.
	void pause();
	void unpause();
	bool isPaused() const { return m_paused; }
	// Where the loop reads its tick count (SDL_GetTicks when empty); tests give the engine its time.
	void setTickSource(TickSource source) { m_tickSource = std::move(source); }
	// Each iteration first waits for one event: no updates happen while none arrive.
	void setWaitForEvents(bool wait) { m_waitForEvents = wait; }

	// Keys.
	// Whether the key is held now. Codes above 127 other than the arrow, function, keypad,
	// lock and modifier keys share one state with code 0.
	bool isKeyPressed(int keyCode) const;
	// The key's entry (0 to 255) in the key states.
	static int keyCodeToIndex(int keyCode);

	// Input routing flags, all off at first.
	// Key presses and releases also go to every object.
	void setKeyEventsToObjects(bool on) { m_keyEventsToObjects = on; }
	// Mouse motion, presses and releases also go to every object (dragable objects turn it on).
	void setMouseEventsToObjects(bool on) { m_mouseEventsToObjects = on; }
	// A press is offered to the objects through offerClick(), last (topmost) first or first
	// to last, until one claims it; an unclaimed press goes to onMouseDownNotHandled().
	void setMouseDownTopmostFirst(bool on) { m_mouseDownLastToFirst = on; }
	void setMouseDownFirstToLast(bool on) { m_mouseDownFirstToLast = on; }
	// The program's very first press at window (0, 0) is ignored; tests re-arm or disarm the rule.
	static void setFirstPressRuleArmed(bool armed);

	// Virtual positions of the last press, the last release and the last motion.
	int getMouseXClickedDown() const { return m_mouseDownX; }
	int getMouseYClickedDown() const { return m_mouseDownY; }
	int getMouseXClickedUp() const { return m_mouseUpX; }
	int getMouseYClickedUp() const { return m_mouseUpY; }
	int getCurrentMouseX() const { return m_mouseX; }
	int getCurrentMouseY() const { return m_mouseY; }

	// Redraw (the rule is in the overview).
	// The next frame copies the whole background and may draw anywhere in the window.
	void requestFullRedraw();
	// Called when what is drawn in that area changes (an object asks before and after a
	// move). Adds the virtual rectangle, with a margin of one virtual pixel's screen size (at
	// least 1) on each side, to the area the next frame rebuilds; everything drawn outside that
	// area is dropped. A full request wins over it. Sides past the int range stop at its limits.
	void redrawArea(int x, int y, int w, int h);
	// drawBackground() on the locked background, then requestFullRedraw().
	void redrawBackground();
	// Whether the next renderFrame() draws, and whether it rebuilds the whole window.
	bool isRedrawPending() const { return m_redrawPending; }
	bool isWholeScreenRedraw() const { return m_wholeScreenRedraw; }
	// The requested area, bounds inclusive, in virtual and in screen coordinates; left
	// beyond right and top beyond bottom while nothing is requested. A partial frame copies
	// the screen rectangle from the background, right column and bottom row included, and
	// accepts writes in it (inside the window): DisplayableObject::overlapsRedrawArea() tells
	// an object whether it has pixels there.
	int getDirtyVirtualLeft() const { return m_dirtyVirtualLeft; }
	int getDirtyVirtualTop() const { return m_dirtyVirtualTop; }
	int getDirtyVirtualRight() const { return m_dirtyVirtualRight; }
	int getDirtyVirtualBottom() const { return m_dirtyVirtualBottom; }
	int getDirtyScreenLeft() const { return m_dirtyScreenLeft; }
	int getDirtyScreenTop() const { return m_dirtyScreenTop; }
	int getDirtyScreenRight() const { return m_dirtyScreenRight; }
	int getDirtyScreenBottom() const { return m_dirtyScreenBottom; }

	// Coordinates through the foreground surface's filter: screen is the window's pixels,
	// virtual what programs draw in and the mouse hooks receive; the same without a filter.
	int toScreenX(int x) { return m_foregroundSurface->toScreenX(x); }
	int toScreenY(int y) { return m_foregroundSurface->toScreenY(y); }
	int toVirtualX(int x) { return m_foregroundSurface->toVirtualX(x); }
	int toVirtualY(int y) { return m_foregroundSurface->toVirtualY(y); }

	// Surfaces, window, fonts. The foreground is rebuilt from the background in every
	// frame: draw on it from the frame's hooks and the objects' draw().
	int getWindowWidth() const { return m_windowWidth; }
	int getWindowHeight() const { return m_windowHeight; }
	PixelSurface* getForegroundSurface() { return m_foregroundSurface; }
	PixelSurface* getBackgroundSurface() { return m_backgroundSurface; }
	// The engine's own; null before initialise().
	SDL_Window* getWindow() const { return m_window; }
	SDL_Renderer* getRenderer() const { return m_renderer; }
	SDL_Texture* getTexture() const { return m_texture; }
	// Used by text drawn without a font; null when initialise() had no font file.
	FontEntry* getDefaultFont() const { return m_defaultFont; }
	// The font of that file and size, opened once and kept by the engine. Never null, but
	// its TTF font is null when the file would not open; asked before initialise(), it opens then.
	FontEntry* getFont(const char* fileName, int pointSize) { return m_fontCache.getFont(fileName, pointSize); }
	// The lock that every pixel write needs, counted: pair each lock with an unlock. The
	// engine holds both during a frame and the background's during drawBackground().
	void lockBackgroundForDrawing() { m_backgroundSurface->mySDLLockSurface(); }
	void unlockBackgroundForDrawing() { m_backgroundSurface->mySDLUnlockSurface(); }
	void lockForegroundSurface() { m_foregroundSurface->mySDLLockSurface(); }
	void unlockForegroundSurface() { m_foregroundSurface->mySDLUnlockSurface(); }

	// Objects.
	void setAllObjectsVisible(bool visible);

	// Called by programs for a picture: the image from the process-wide image cache, loaded
	// when missing. keep pins it for the program's life only when this call loads it; an image
	// already in the cache is returned as it is, pinned or not. An empty handle when the file
	// cannot be loaded.
	ImageHandle loadImage(std::string url, bool keep = false);

	// Colours and drawing forwarders.
	// Entry 0 to 40 of the engine's palette; any other index gives grey 0xCCCCCC.
	static unsigned int getColour(int index);
	// The PixelSurface primitives on the background or the foreground: virtual coordinates
	// through the point filter, colours 0xRRGGBB; the caller holds that surface's lock.
	// Shapes are filled, with corners in any order and both bounds inclusive.
	void setBackgroundPixel(int x, int y, unsigned int colour) { m_backgroundSurface->setPixel(x, y, colour); }
	void setForegroundPixel(int x, int y, unsigned int colour) { m_foregroundSurface->setPixel(x, y, colour); }
	void drawBackgroundLine(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawForegroundLine(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawForegroundRectangle(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawBackgroundRectangle(int x1, int y1, int x2, int y2, unsigned int colour);
	// The ellipse inside the box.
	void drawBackgroundOval(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawForegroundOval(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawBackgroundTriangle(int x1, int y1, int x2, int y2, int x3, int y3, unsigned int colour);
	void drawForegroundTriangle(int x1, int y1, int x2, int y2, int x3, int y3, unsigned int colour);
	// Vertical sides at xLeft and xRight; one edge from yFirstLeft to yFirstRight, the other
	// from ySecondLeft to ySecondRight.
	void drawBackgroundTrapezium(double xLeft, double xRight, double yFirstLeft, double yFirstRight,
		double ySecondLeft, double ySecondRight, unsigned int colour);
	// Polygons: the vertices go clockwise on the screen; the other way round draws nothing.
	void drawBackgroundQuadrilateral(double x1, double y1, double x2, double y2, double x3, double y3,
		double x4, double y4, unsigned int colour);
	void drawBackgroundPentagon(double x1, double y1, double x2, double y2, double x3, double y3,
		double x4, double y4, double x5, double y5, unsigned int colour);
	void drawBackgroundHexagon(double x1, double y1, double x2, double y2, double x3, double y3,
		double x4, double y4, double x5, double y5, double x6, double y6, unsigned int colour);
	void drawBackgroundHeptagon(double x1, double y1, double x2, double y2, double x3, double y3,
		double x4, double y4, double x5, double y5, double x6, double y6, double x7, double y7, unsigned int colour);
	void drawBackgroundOctagon(double x1, double y1, double x2, double y2, double x3, double y3,
		double x4, double y4, double x5, double y5, double x6, double y6, double x7, double y7,
		double x8, double y8, unsigned int colour);
	// The text's top-left at (x, y); a null font means the default font.
	void drawBackgroundString(int x, int y, const char* text, unsigned int colour, FontEntry* font = nullptr);
	void drawForegroundString(int x, int y, const char* text, unsigned int colour, FontEntry* font = nullptr);

protected:
	int readTickCount() const { return m_tickSource ? m_tickSource() : wrapToInt(SDL_GetTicks()); }
	void makeFirstUpdateDue();
	void resetDirtyRectangles(int emptyLow, int emptyHigh);
	// Gives the engine's filter the area it accepts: the window, cut to the dirty rectangle
	// while a partial redraw is pending. Every change of the window size, the redraw flags
	// or the dirty screen rectangle calls it.
	void updateEngineClip();
	// A partial frame's copy of the background: the area the clip accepts.
	void copyAcceptedAreaToForeground();
	void releaseWindowAndSurfaces();
	void drawBackgroundPolygon(int count, const double* coordinates, unsigned int colour);
	void handleMouseButtonDown(const SDL_MouseButtonEvent& button);
	bool offerPressToObjects(int button, int x, int y);

	static const int constructedEmptyLow = 0x3FFFFFFF;
	static const int constructedEmptyHigh = -0x3FFFFFFF;
	static const int presentedEmptyLow = 0xFFFFFF;
	static const int presentedEmptyHigh = -0xFFFFFF;
	static const int keyStateCount = 256;
	static const int minimumUpdatePeriod = 8;

	bool m_keyEventsToObjects = false;
	bool m_mouseEventsToObjects = false;
	bool m_mouseDownLastToFirst = false;
	bool m_mouseDownFirstToLast = false;
	bool m_wholeScreenRedraw = true;
	int m_dirtyVirtualLeft = constructedEmptyLow;
	int m_dirtyVirtualTop = constructedEmptyLow;
	int m_dirtyVirtualRight = constructedEmptyHigh;
	int m_dirtyVirtualBottom = constructedEmptyHigh;
	int m_dirtyScreenLeft = constructedEmptyLow;
	int m_dirtyScreenTop = constructedEmptyLow;
	int m_dirtyScreenRight = constructedEmptyHigh;
	int m_dirtyScreenBottom = constructedEmptyHigh;
	int m_currentTime = 0;
	int m_totalPausedTime = 0;
	int m_nextUpdateTime = 0;
	// Any tick count may be a pause start (they run negative after 24.8 days), so the pause
	// is told by a flag of its own.
	bool m_paused = false;
	int m_pauseStart = 0;
	int m_updatePeriod = 10;
	int m_exitCode = -1;
	unsigned char* m_keyStates = nullptr;
	int m_windowWidth = 0;
	int m_windowHeight = 0;
	bool m_redrawPending = true;
	int m_mouseDownX = 0;
	int m_mouseDownY = 0;
	int m_mouseUpX = 0;
	int m_mouseUpY = 0;
	int m_mouseX = 0;
	int m_mouseY = 0;
	FontCache m_fontCache;
	FontEntry* m_defaultFont = nullptr;
	bool m_waitForEvents = false;
	SDL_Window* m_window = nullptr;
	SDL_Renderer* m_renderer = nullptr;
	SDL_Texture* m_texture = nullptr;
	EngineClipFilter m_engineFilter;
	PixelSurface m_foregroundSurfaceStorage;
	PixelSurface m_backgroundSurfaceStorage;
	PixelSurface* m_foregroundSurface;
	PixelSurface* m_backgroundSurface;
	TickSource m_tickSource;

private:
	// Gives back what the engine holds from SDL and the font library (objects, fonts,
	// surfaces, texture, renderer, window); safe to repeat, and calls no library that has quit.
	void releaseLibraryResources();
	// Starts SDL video for initialise(); false, after printing why, when it cannot start or
	// only a driver that shows nothing came up without being asked for.
	bool startVideo();
	// Exit handlers: engines still alive (held in statics, say) give their resources back
	// before each library quits, so destroying them later calls into no library.
	static void releaseEnginesThenQuitFontLibrary();
	static void releaseEnginesThenQuitSdl();

	// Set once initialise() has begun making the window: a second initialise() is refused.
	bool m_windowMakingStarted = false;
};

// The exit handler that marks a normal end of the program.
void mydebug();
