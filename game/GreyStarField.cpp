#include "GreyStarField.h"

#include <cstdlib>

#include "BaseEngine.h"

void GreyStarField::draw(BaseEngine* engine)
{
	for (int x = 0; x < engine->getWindowWidth(); ++x)
		for (int y = 0; y < engine->getWindowHeight(); ++y)
			if (std::rand() % starChance == 0)
				engine->setBackgroundPixel(x, y, starColour);
}
