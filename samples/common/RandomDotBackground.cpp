#include "common/RandomDotBackground.h"

#include <cstdlib>

#include "BaseEngine.h"

namespace
{
	const unsigned int backgroundColour = 0x000000;
	const int chanceRange = 100;
	// Draws 0 to 5 pick these colours; any other draw leaves the pixel as it is.
	const unsigned int dotColours[] = { 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF };
	const int dotColourCount = static_cast<int>(sizeof(dotColours) / sizeof(dotColours[0]));
}

bool RandomDotBackground::pickDotColour(unsigned int& colour)
{
	const int r = rand() % chanceRange;
	if (r >= dotColourCount)
		return false;
	colour = dotColours[r];
	return true;
}

void RandomDotBackground::draw(BaseEngine* engine)
{
	engine->fillBackground(backgroundColour);
	const int width = engine->getWindowWidth();
	const int height = engine->getWindowHeight();
	// x outer, y inner: the order decides which pixel each rand() value lands on.
	for (int x = 0; x < width; x++)
		for (int y = 0; y < height; y++)
		{
			unsigned int colour;
			if (pickDotColour(colour))
				engine->setBackgroundPixel(x, y, colour);
		}
}
