#include "bouncing/BouncingTexts.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "BaseEngine.h"

namespace
{
	const unsigned int cyan = 0x00FFFF;
	const unsigned int red = 0xFF0000;
	const unsigned int magenta = 0xFF00FF;
	const unsigned int green = 0x00FF00;
	const int textBufferSize = 64;
}

void BouncingTexts::drawUnderObjects(BaseEngine* engine)
{
	char text[textBufferSize];
	std::snprintf(text, sizeof(text), "Changing random %6d", rand());
	engine->drawForegroundString(50, 10, text, cyan);
	engine->drawForegroundString(450, 10, "Underneath the objects", red);
	if (engine->isPaused())
		engine->drawForegroundString(150, 300, "*** PAUSED ***", red);
}

void BouncingTexts::drawOverObjects(BaseEngine* engine)
{
	char text[textBufferSize];
	std::snprintf(text, sizeof(text), "Time %6d", rand());
	engine->drawForegroundString(150, 40, text, magenta);
	engine->drawForegroundString(450, 40, "On top of the objects", green);
}

void BouncingTexts::handleKey(BaseEngine* engine, int key)
{
	if (key == SDLK_ESCAPE)
		engine->setExitCode(0);
	else if (key == SDLK_SPACE)
	{
		if (engine->isPaused())
			engine->unpause();
		else
			engine->pause();
	}
}
