#include "EngineHarness.h"

#include <SDL_image.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "BaseEngine.h"

namespace
{
const char* const harnessWindowTitle = "Engine under test";
const unsigned int rgbMask = 0xFFFFFFu;

unsigned int surfacePixel(PixelSurface* surface, int x, int y)
{
	if (!surface || x < 0 || y < 0 || x >= surface->getWidth() || y >= surface->getHeight())
		return EngineHarness::outsideSurface;
	return surface->getPixel(x, y) & rgbMask;
}

std::vector<Uint32> foregroundPixels(BaseEngine& engine)
{
	const SDL_Surface* surface = engine.getForegroundSurface()->getSDLSurface();
	const Uint32* pixels = static_cast<const Uint32*>(surface->pixels);
	return std::vector<Uint32>(pixels, pixels + surface->pitch / 4 * surface->h);
}

void pushEvent(SDL_Event& event)
{
	if (SDL_PushEvent(&event) < 0)
		std::fprintf(stderr, "EngineHarness: SDL_PushEvent failed: %s\n", SDL_GetError());
}
}

void useHeadlessDrivers()
{
	const int keepExisting = 0;
	const int overwrite = 1;
	setenv("SDL_VIDEODRIVER", "offscreen", keepExisting);
	setenv("SDL_AUDIODRIVER", "dummy", overwrite);
	// Without these the offscreen driver renders through Mesa's software OpenGL: a JIT and a
	// thread pool per engine, slow under the sanitizers and leaking inside the driver. SDL's
	// own software renderer draws the same pixels.
	setenv("SDL_RENDER_DRIVER", "software", keepExisting);
	setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", keepExisting);
}

EngineHarness::EngineHarness(BaseEngine& engine, int startTime)
	: m_engine(engine), m_now(startTime)
{
	useHeadlessDrivers();
	m_engine.setTickSource([this]() { return m_now; });
}

int EngineHarness::initialise(int width, int height, const char* fontFile, int fontSize)
{
	BaseEngine::setFirstPressRuleArmed(false);
	return m_engine.initialise(harnessWindowTitle, width, height, fontFile, fontSize);
}

bool EngineHarness::step(int stepMs)
{
	advanceClock(stepMs);
	return m_engine.runLoopIteration();
}

void EngineHarness::runFor(int totalMs, int stepMs)
{
	stepMs = std::max(stepMs, 1);
	for (int elapsed = 0; elapsed < totalMs; elapsed += stepMs)
		if (!step(std::min(stepMs, totalMs - elapsed)))
			return;
}

int EngineHarness::stepAndCountStalePixels(int stepMs)
{
	step(stepMs);
	const std::vector<Uint32> frame = foregroundPixels(m_engine);
	m_engine.requestFullRedraw();
	step(stepMs);
	const std::vector<Uint32> whole = foregroundPixels(m_engine);
	int stale = 0;
	for (size_t i = 0; i < frame.size(); ++i)
		stale += frame[i] != whole[i] ? 1 : 0;
	return stale;
}

Uint32 EngineHarness::windowId() const
{
	SDL_Window* window = m_engine.getWindow();
	return window ? SDL_GetWindowID(window) : 0;
}

void EngineHarness::pushKey(Uint32 type, SDL_Keycode key)
{
	SDL_Event event;
	std::memset(&event, 0, sizeof(event));
	event.type = type;
	event.key.timestamp = SDL_GetTicks();
	event.key.windowID = windowId();
	event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
	event.key.repeat = 0;
	event.key.keysym.sym = key;
	event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
	event.key.keysym.mod = KMOD_NONE;
	pushEvent(event);
}

void EngineHarness::pushKeyDown(SDL_Keycode key)
{
	pushKey(SDL_KEYDOWN, key);
}

void EngineHarness::pushKeyUp(SDL_Keycode key)
{
	pushKey(SDL_KEYUP, key);
}

void EngineHarness::pushTextInput(const char* text)
{
	SDL_Event event;
	std::memset(&event, 0, sizeof(event));
	event.type = SDL_TEXTINPUT;
	event.text.timestamp = SDL_GetTicks();
	event.text.windowID = windowId();
	std::strncpy(event.text.text, text, sizeof(event.text.text) - 1);
	pushEvent(event);
}

void EngineHarness::pushMouseMove(int x, int y)
{
	SDL_Event event;
	std::memset(&event, 0, sizeof(event));
	event.type = SDL_MOUSEMOTION;
	event.motion.timestamp = SDL_GetTicks();
	event.motion.windowID = windowId();
	event.motion.state = m_buttonsHeld;
	event.motion.x = x;
	event.motion.y = y;
	event.motion.xrel = x - m_mouseX;
	event.motion.yrel = y - m_mouseY;
	m_mouseX = x;
	m_mouseY = y;
	pushEvent(event);
}

void EngineHarness::pushMouseButton(Uint32 type, int button, int x, int y)
{
	SDL_Event event;
	std::memset(&event, 0, sizeof(event));
	event.type = type;
	event.button.timestamp = SDL_GetTicks();
	event.button.windowID = windowId();
	event.button.button = static_cast<Uint8>(button);
	event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
	event.button.clicks = 1;
	event.button.x = x;
	event.button.y = y;
	if (type == SDL_MOUSEBUTTONDOWN)
		m_buttonsHeld |= SDL_BUTTON(button);
	else
		m_buttonsHeld &= ~SDL_BUTTON(button);
	m_mouseX = x;
	m_mouseY = y;
	pushEvent(event);
}

void EngineHarness::pushMouseDown(int button, int x, int y)
{
	pushMouseButton(SDL_MOUSEBUTTONDOWN, button, x, y);
}

void EngineHarness::pushMouseUp(int button, int x, int y)
{
	pushMouseButton(SDL_MOUSEBUTTONUP, button, x, y);
}

void EngineHarness::pushMouseWheel(int x, int y)
{
	SDL_Event event;
	std::memset(&event, 0, sizeof(event));
	event.type = SDL_MOUSEWHEEL;
	event.wheel.timestamp = SDL_GetTicks();
	event.wheel.windowID = windowId();
	event.wheel.x = x;
	event.wheel.y = y;
	event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
	event.wheel.preciseX = static_cast<float>(x);
	event.wheel.preciseY = static_cast<float>(y);
	event.wheel.mouseX = m_mouseX;
	event.wheel.mouseY = m_mouseY;
	pushEvent(event);
}

void EngineHarness::pushQuit()
{
	SDL_Event event;
	std::memset(&event, 0, sizeof(event));
	event.type = SDL_QUIT;
	event.quit.timestamp = SDL_GetTicks();
	pushEvent(event);
}

void EngineHarness::tapKey(SDL_Keycode key)
{
	pushKeyDown(key);
	step();
	pushKeyUp(key);
	step();
}

void EngineHarness::click(int x, int y, int button)
{
	pushMouseDown(button, x, y);
	step();
	pushMouseUp(button, x, y);
	step();
}

void EngineHarness::drag(int fromX, int fromY, int toX, int toY, int moves, int button)
{
	moves = std::max(moves, 1);
	pushMouseDown(button, fromX, fromY);
	step();
	for (int i = 1; i <= moves; i++)
	{
		pushMouseMove(fromX + (toX - fromX) * i / moves, fromY + (toY - fromY) * i / moves);
		step();
	}
	pushMouseUp(button, toX, toY);
	step();
}

unsigned int EngineHarness::foregroundPixel(int x, int y) const
{
	return surfacePixel(m_engine.getForegroundSurface(), x, y);
}

unsigned int EngineHarness::backgroundPixel(int x, int y) const
{
	return surfacePixel(m_engine.getBackgroundSurface(), x, y);
}

int EngineHarness::countForegroundPixels(int x, int y, int w, int h, unsigned int colour) const
{
	int count = 0;
	for (int row = y; row < y + h; row++)
		for (int column = x; column < x + w; column++)
			if (foregroundPixel(column, row) == (colour & rgbMask))
				count++;
	return count;
}

bool EngineHarness::saveForegroundPng(const std::string& path) const
{
	PixelSurface* surface = m_engine.getForegroundSurface();
	if (!surface || !surface->getSDLSurface())
		return false;
	return IMG_SavePNG(surface->getSDLSurface(), path.c_str()) == 0;
}

OutputCapture::OutputCapture() = default;

OutputCapture::~OutputCapture()
{
	if (m_active)
		stop();
}

void OutputCapture::start()
{
	if (m_active)
		return;
	std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-output-XXXXXX").string();
	const int fileFd = mkstemp(pattern.data());
	if (fileFd < 0)
	{
		std::perror("OutputCapture: mkstemp");
		return;
	}
	std::cout.flush();
	std::fflush(stdout);
	m_savedFd = dup(STDOUT_FILENO);
	dup2(fileFd, STDOUT_FILENO);
	close(fileFd);
	m_path = pattern;
	m_active = true;
}

std::string OutputCapture::stop()
{
	if (!m_active)
		return {};
	std::cout.flush();
	std::fflush(stdout);
	dup2(m_savedFd, STDOUT_FILENO);
	close(m_savedFd);
	m_savedFd = -1;
	m_active = false;

	std::ifstream captured(m_path, std::ios::binary);
	std::ostringstream text;
	text << captured.rdbuf();
	captured.close();
	std::remove(m_path.c_str());
	m_path.clear();
	return text.str();
}
