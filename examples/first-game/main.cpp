// A first program on the framework: a background, a box the arrow keys move, Esc to quit.
#include <SDL.h>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "LeakReport.h"

// Drawn as a rectangle in its colour; moves while an arrow key is held.
class Box : public DisplayableObject
{
public:
	explicit Box(BaseEngine* engine) : DisplayableObject(380, 280, engine, 40, 40) { setColour(0xFFCC00); }

	void update(int) override
	{
		const int dx = m_engine->isKeyPressed(SDLK_RIGHT) - m_engine->isKeyPressed(SDLK_LEFT);
		const int dy = m_engine->isKeyPressed(SDLK_DOWN) - m_engine->isKeyPressed(SDLK_UP);
		if (dx == 0 && dy == 0)
			return;
		setPosition(getX() + 3 * dx, getY() + 3 * dy);
		keepInsideWindow();
		requestFullRedraw(); // nothing is drawn again until a redraw is asked for
	}
};

class FirstGame : public BaseEngine
{
public:
	void drawBackground() override { fillBackground(0x203040); drawBackgroundOval(560, 380, 760, 560, 0x4080C0); }
	int createObjects() override { appendObject(new Box(this)); return 0; } // the engine deletes it
	void onKeyDown(int key) override { if (key == SDLK_ESCAPE) setExitCode(0); } // ends mainLoop
};

int main()
{
	int result = 0;
	{
		FirstGame game;
		result = game.initialise("First game", 800, 600, "Cornerstone Regular.ttf", 24);
		if (result == 0)
			result = game.mainLoop();
		game.deinitialise();
	} // the engine is gone here: what it held is released before the checks below
	releaseSharedCaches(); // the process-wide image cache
	reportLeakedMemory(); // the leak check, in sanitizer builds
	return result;
}
