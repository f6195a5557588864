#include "mapping/MappingDemo.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>

#include "ImageHandle.h"
#include "MappableImageObject.h"

namespace
{
	const unsigned int tableColour = 0x404040;
	const int chanceRange = 100;
	// Draws 0 to 3 give these reds; other draws leave the table colour.
	const unsigned int speckleColours[] = { 0xFF0000, 0xC00000, 0x800000, 0x400000 };
	const int speckleColourCount = static_cast<int>(sizeof(speckleColours) / sizeof(speckleColours[0]));
	const char* const picture = "demo.png";
	const bool topLeft = false; // every object is centred on its position
	const int copyCount = 5;
	const double pi = 3.141592653589793;
	// Game time is counted in tens of milliseconds; angles in hundredths of a radian of those.
	const int timeUnit = 10;
	const double radiansDivisor = 100.0;
	// Keeps the angle's division away from zero at the centre column.
	const double centreNudge = 0.0001;

	bool outsidePicture(double x, double y, int width, int height)
	{
		return x < 0 || y < 0 || x >= width - 0.5 || y >= height - 0.5;
	}
}

void MappingDemo::drawBackground()
{
	fillBackground(tableColour);
	for (int x = 0; x < getWindowWidth(); x++)
		for (int y = 0; y < getWindowHeight(); y++)
		{
			const int r = rand() % chanceRange;
			if (r < speckleColourCount)
				setBackgroundPixel(x, y, speckleColours[r]);
		}
}

int MappingDemo::createObjects()
{
	removeAllObjects(true);
	resetObjectSlots(copyCount);
	CoordinateMapping* ownMapping = this;
	const struct
	{
		int x;
		int y;
		CoordinateMapping* mapping;
	} copies[copyCount] = {
		{ 50, 50, ownMapping },
		{ 250, 250, ownMapping },
		{ 450, 450, &m_rotateMapping },
		{ 250, 450, &m_secondMapping },
		{ 450, 250, &m_thirdMapping },
	};
	for (int i = 0; i < copyCount; i++)
	{
		MappableImageObject* copy = new MappableImageObject(copies[i].mapping, copies[i].x, copies[i].y, this, picture,
			topLeft, true);
		copy->setTransparencyColour(copy->getPixelColour(0, 0));
		setObjectAt(i, copy);
	}
	return 0;
}

void MappingDemo::onKeyDown(int key)
{
	if (key == SDLK_ESCAPE)
		setExitCode(0);
}

void MappingDemo::onBeforeUpdate()
{
	const int t = getGameTime() / timeUnit;
	m_rotateMapping.setRotation(t / -radiansDivisor);
	m_secondMapping.setPhase(t);
	m_thirdMapping.setTime(t / 2.0);
	requestFullRedraw();
}

// Turns the picture about its centre by one hundredth of a radian per 10 ms of game time;
// source points that fall outside the picture are not drawn.
bool MappingDemo::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	const int width = image.getWidth();
	const int height = image.getHeight();
	if (outsidePicture(x, y, width, height))
		return false;
	x -= width / 2;
	y -= height / 2;
	double angle = std::atan(y / (x + centreNudge));
	if (x < 0)
		angle += pi;
	const double radius = std::sqrt(x * x + y * y);
	angle += (getGameTime() / timeUnit) / radiansDivisor;
	x = std::cos(angle) * radius + width / 2;
	y = std::sin(angle) * radius + height / 2;
	return !outsidePicture(x, y, width, height);
}
