#include "common/ArrowKeySteering.h"

#include <SDL.h>

#include "BaseEngine.h"
#include "DisplayableObject.h"

void ArrowKeySteering::moveByHeldArrows(DisplayableObject& object, int step)
{
	const BaseEngine* engine = object.getEngine();
	int x = object.getX();
	int y = object.getY();
	if (engine->isKeyPressed(SDLK_UP))
		y -= step;
	if (engine->isKeyPressed(SDLK_DOWN))
		y += step;
	if (engine->isKeyPressed(SDLK_LEFT))
		x -= step;
	if (engine->isKeyPressed(SDLK_RIGHT))
		x += step;
	object.setPosition(x, y);
}

void ArrowKeySteering::clampInsideWindow(DisplayableObject& object)
{
	const BaseEngine* engine = object.getEngine();
	const int maxX = engine->getWindowWidth() - object.getDrawWidth();
	const int maxY = engine->getWindowHeight() - object.getDrawHeight();
	int x = object.getX();
	int y = object.getY();
	if (x < 0)
		x = 0;
	if (x >= maxX)
		x = maxX;
	if (y < 0)
		y = 0;
	if (y >= maxY)
		y = maxY;
	object.setPosition(x, y);
}
