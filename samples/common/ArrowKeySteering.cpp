#include "common/ArrowKeySteering.h"

#include <SDL.h>

#include "BaseEngine.h"
#include "DisplayableObject.h"

namespace
{
	// Positions step in whole pixels, speeds in fractions of one: the key rule is the same.
	template <typename Value>
	void stepByHeldArrows(const BaseEngine* engine, Value& x, Value& y, Value step)
	{
		if (engine->isKeyPressed(SDLK_UP))
			y -= step;
		if (engine->isKeyPressed(SDLK_DOWN))
			y += step;
		if (engine->isKeyPressed(SDLK_LEFT))
			x -= step;
		if (engine->isKeyPressed(SDLK_RIGHT))
			x += step;
	}
}

void ArrowKeySteering::moveByHeldArrows(DisplayableObject& object, int step)
{
	int x = object.getX();
	int y = object.getY();
	stepByHeldArrows(object.getEngine(), x, y, step);
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

void ArrowKeySteering::changeSpeedByHeldArrows(const BaseEngine* engine, double& speedX, double& speedY, double step)
{
	stepByHeldArrows(engine, speedX, speedY, step);
}
