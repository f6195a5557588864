#pragma once
// Base class of every program's engine: owns the window, the two drawing surfaces, the
// fonts and the object list, runs the main loop (events, timed updates, pause, redraw)
// and is itself the last point filter of every chain (it clips to the window and to the
// dirty rectangle). Programs derive from it and override the virtual hooks.
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

	BaseEngine();
	virtual ~BaseEngine();
	BaseEngine(const BaseEngine&) = delete;
	BaseEngine& operator=(const BaseEngine&) = delete;

	// Life cycle.
	int initialise(const char* title, int width, int height, const char* fontFile, int fontSize);
	void deinitialise();
	bool isInitialised() const { return m_keyStates != nullptr; }

	// Input hooks (virtual coordinates unless named raw).
	virtual void onKeyUp(int key) { (void)key; }
	virtual void onKeyDown(int key) { (void)key; }
	virtual void onMouseMove(int x, int y) { (void)x; (void)y; }
	virtual void onMouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onMouseUp(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onRawMouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onRawMouseUp(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp)
	{ (void)x; (void)y; (void)which; (void)timestamp; }
	virtual void onTouch(unsigned int type, unsigned int timestamp, int64_t touchId, int64_t fingerId,
		float x, float y, float dx, float dy, float pressure)
	{ (void)type; (void)timestamp; (void)touchId; (void)fingerId; (void)x; (void)y; (void)dx; (void)dy; (void)pressure; }

	// Content and set-up hooks.
	virtual int setUpContent();
	virtual int createWindow(const char* title);
	virtual int createSurfaces();
	virtual void onShutdown() {}
	virtual void onMouseDownNotHandled(int button, int windowX, int windowY, int virtualX, int virtualY)
	{ (void)button; (void)windowX; (void)windowY; (void)virtualX; (void)virtualY; }
	virtual void drawBackground();
	virtual void drawTextUnderObjects() {}
	virtual void drawTextOverObjects() {}

	// Loop hooks.
	virtual void onLoopStart() {}
	virtual void onLoopAfterEvents() {}
	virtual void onBeforeUpdate() {}
	virtual void onAfterUpdate() {}
	virtual void onBeforeRender() {}
	virtual bool isTimeToUpdate();
	virtual void renderFrame();
	virtual void onRenderStart() {}
	virtual void onRenderEnd() {}
	virtual void fillBackground(unsigned int colour);
	virtual void copyBackgroundToForeground();
	virtual void copyBackgroundAreaToForeground(int x, int y, int w, int h);
	virtual int getGameTime();
	virtual int createObjects();
	virtual void drawAllObjects();
	virtual void updateAllObjects(int time);

	// The engine's own point filter: clips to the window and, during a partial redraw, to the
	// dirty rectangle; it never changes the point or the colour. Surfaces reach it through
	// getEngineFilter().
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour)
	{
		return m_engineFilter.filterPoint(surface, x, y, colour);
	}
	FilterPoints* getEngineFilter() { return &m_engineFilter; }

	// Main loop.
	int mainLoop();
	// One pass of the loop (hooks, events, update, render); false when a quit event ended it.
	bool runLoopIteration();
	void setExitCode(int code) { m_exitCode = code; }
	int getExitCode() const { return m_exitCode; }
	bool handleEvent(const SDL_Event* event);

	// Time and pause.
	int getCurrentTime() const { return m_currentTime; }
	void setUpdatePeriod(int period) { m_updatePeriod = period; }
	int getUpdatePeriod() const { return m_updatePeriod; }
	void pause();
	void unpause();
	bool isPaused() const { return m_pauseStart != -1; }
	void setTickSource(TickSource source) { m_tickSource = std::move(source); }
	void setWaitForEvents(bool wait) { m_waitForEvents = wait; }

	// Keys.
	bool isKeyPressed(int keyCode) const;
	static int keyCodeToIndex(int keyCode);

	// Input routing flags.
	void setKeyEventsToObjects(bool on) { m_keyEventsToObjects = on; }
	void setMouseEventsToObjects(bool on) { m_mouseEventsToObjects = on; }
	void setMouseDownTopmostFirst(bool on) { m_mouseDownLastToFirst = on; }
	void setMouseDownFirstToLast(bool on) { m_mouseDownFirstToLast = on; }
	// The program's very first press at window (0, 0) is ignored; tests re-arm or disarm the rule.
	static void setFirstPressRuleArmed(bool armed);

	int getMouseXClickedDown() const { return m_mouseDownX; }
	int getMouseYClickedDown() const { return m_mouseDownY; }
	int getMouseXClickedUp() const { return m_mouseUpX; }
	int getMouseYClickedUp() const { return m_mouseUpY; }
	int getCurrentMouseX() const { return m_mouseX; }
	int getCurrentMouseY() const { return m_mouseY; }

	// Redraw.
	void requestFullRedraw();
	void redrawArea(int x, int y, int w, int h);
	void redrawBackground();
	bool isRedrawPending() const { return m_redrawPending; }
	bool isWholeScreenRedraw() const { return m_wholeScreenRedraw; }
	int getDirtyVirtualLeft() const { return m_dirtyVirtualLeft; }
	int getDirtyVirtualTop() const { return m_dirtyVirtualTop; }
	int getDirtyVirtualRight() const { return m_dirtyVirtualRight; }
	int getDirtyVirtualBottom() const { return m_dirtyVirtualBottom; }
	int getDirtyScreenLeft() const { return m_dirtyScreenLeft; }
	int getDirtyScreenTop() const { return m_dirtyScreenTop; }
	int getDirtyScreenRight() const { return m_dirtyScreenRight; }
	int getDirtyScreenBottom() const { return m_dirtyScreenBottom; }

	// Coordinates through the foreground surface's filter.
	int toScreenX(int x) { return m_foregroundSurface->toScreenX(x); }
	int toScreenY(int y) { return m_foregroundSurface->toScreenY(y); }
	int toVirtualX(int x) { return m_foregroundSurface->toVirtualX(x); }
	int toVirtualY(int y) { return m_foregroundSurface->toVirtualY(y); }

	// Surfaces, window, fonts.
	int getWindowWidth() const { return m_windowWidth; }
	int getWindowHeight() const { return m_windowHeight; }
	PixelSurface* getForegroundSurface() { return m_foregroundSurface; }
	PixelSurface* getBackgroundSurface() { return m_backgroundSurface; }
	SDL_Window* getWindow() const { return m_window; }
	SDL_Renderer* getRenderer() const { return m_renderer; }
	SDL_Texture* getTexture() const { return m_texture; }
	FontEntry* getDefaultFont() const { return m_defaultFont; }
	FontEntry* getFont(const char* fileName, int pointSize) { return m_fontCache.getFont(fileName, pointSize); }
	void lockBackgroundForDrawing() { m_backgroundSurface->mySDLLockSurface(); }
	void unlockBackgroundForDrawing() { m_backgroundSurface->mySDLUnlockSurface(); }
	void lockForegroundSurface() { m_foregroundSurface->mySDLLockSurface(); }
	void unlockForegroundSurface() { m_foregroundSurface->mySDLUnlockSurface(); }

	// Objects.
	void setAllObjectsVisible(bool visible);

	// An image from the process-wide image cache (loaded when missing; keep pins it).
	ImageHandle loadImage(std::string url, bool keep = false);

	// Colours and drawing forwarders.
	static unsigned int getColour(int index);
	void setBackgroundPixel(int x, int y, unsigned int colour) { m_backgroundSurface->setPixel(x, y, colour); }
	void setForegroundPixel(int x, int y, unsigned int colour) { m_foregroundSurface->setPixel(x, y, colour); }
	void drawBackgroundLine(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawForegroundLine(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawForegroundRectangle(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawBackgroundRectangle(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawBackgroundOval(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawForegroundOval(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawBackgroundTriangle(int x1, int y1, int x2, int y2, int x3, int y3, unsigned int colour);
	void drawForegroundTriangle(int x1, int y1, int x2, int y2, int x3, int y3, unsigned int colour);
	void drawBackgroundTrapezium(double xLeft, double xRight, double yFirstLeft, double yFirstRight,
		double ySecondLeft, double ySecondRight, unsigned int colour);
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
	void drawBackgroundString(int x, int y, const char* text, unsigned int colour, FontEntry* font = nullptr);
	void drawForegroundString(int x, int y, const char* text, unsigned int colour, FontEntry* font = nullptr);

protected:
	int readTickCount() const { return m_tickSource ? m_tickSource() : static_cast<int>(SDL_GetTicks()); }
	void resetDirtyRectangles(int emptyLow, int emptyHigh);
	// Gives the engine's filter the area it accepts: the window, cut to the dirty rectangle
	// while a partial redraw is pending. Every change of the window size, the redraw flags
	// or the dirty screen rectangle calls it.
	void updateEngineClip();
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
	int m_pauseStart = -1;
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
	// Exit handlers: engines still alive (held in statics, say) give their resources back
	// before each library quits, so destroying them later calls into no library.
	static void releaseEnginesThenQuitFontLibrary();
	static void releaseEnginesThenQuitSdl();
};

// The exit handler that marks a normal end of the program.
void mydebug();
