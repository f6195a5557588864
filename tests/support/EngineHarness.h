#pragma once
// Drives an engine headless the way the program does: real SDL events pushed onto the
// queue, loop passes run one at a time, and a test clock instead of waiting for time.

#include <SDL.h>

#include <string>

#include "WrappingTime.h"

class BaseEngine;

// Process set-up for headless runs: dummy audio, offscreen video with SDL's software
// renderer. Safe to call often; a video driver already chosen is kept.
void useHeadlessDrivers();

class EngineHarness
{
public:
	// Installs the test clock on the engine (time starts at startTime ms).
	explicit EngineHarness(BaseEngine& engine, int startTime = 1000);

	// Initialises the engine headless with the program's window size and default font;
	// also disarms the process-wide first-press rule so every press is handled.
	int initialise(int width = 1000, int height = 700, const char* fontFile = "Cornerstone Regular.ttf", int fontSize = 24);

	// Clock: it wraps round past the int range as SDL's tick count does.
	int now() const { return m_now; }
	void advanceClock(int ms) { m_now = timeAfter(m_now, ms); }

	// Loop passes: advance the clock by stepMs, then run one pass. Returns false once a quit arrived.
	bool step(int stepMs = 10);
	// Runs passes for totalMs of clock time, stepMs apart.
	void runFor(int totalMs, int stepMs = 10);
	// Runs one pass, keeps its frame, then redraws the whole window and returns how many
	// foreground pixels differ between the two: more than 0 when a partial frame left something
	// behind or missed something.
	int stepAndCountStalePixels(int stepMs = 10);

	// Real SDL events, pushed onto the queue; they are handled by the next step().
	void pushKeyDown(SDL_Keycode key);
	void pushKeyUp(SDL_Keycode key);
	void pushTextInput(const char* text);
	void pushMouseMove(int x, int y);
	void pushMouseDown(int button, int x, int y);
	void pushMouseUp(int button, int x, int y);
	void pushMouseWheel(int x, int y);
	void pushQuit();

	// Push and run one pass for each: convenience for scripted sessions.
	void tapKey(SDL_Keycode key);
	void click(int x, int y, int button = SDL_BUTTON_LEFT);
	void drag(int fromX, int fromY, int toX, int toY, int moves = 4, int button = SDL_BUTTON_LEFT);

	// Pixels as 0xRRGGBB (alpha dropped).
	unsigned int foregroundPixel(int x, int y) const;
	unsigned int backgroundPixel(int x, int y) const;
	// Counts foreground pixels of one colour inside a rectangle (x, y, w, h).
	int countForegroundPixels(int x, int y, int w, int h, unsigned int colour) const;
	// Writes the foreground as a PNG (for a person to look at while developing).
	bool saveForegroundPng(const std::string& path) const;

	BaseEngine& engine() { return m_engine; }

	// What the pixel readers give for a point outside the surface (no real pixel has alpha bits).
	static constexpr unsigned int outsideSurface = 0xFF000000u;

private:
	Uint32 windowId() const;
	void pushMouseButton(Uint32 type, int button, int x, int y);
	void pushKey(Uint32 type, SDL_Keycode key);

	BaseEngine& m_engine;
	int m_now;
	// The pointer as the pushed events left it: motion events carry relative moves and held buttons.
	int m_mouseX = 0;
	int m_mouseY = 0;
	Uint32 m_buttonsHeld = 0;
};

// Captures what the code under test prints on standard output (fd 1), between start and stop.
class OutputCapture
{
public:
	OutputCapture();
	~OutputCapture();
	void start();
	std::string stop();

private:
	int m_savedFd = -1;
	std::string m_path;
	bool m_active = false;
};
