#include "simple/QelvarEngine.h"

#include <cstdio>

#include "ImageManager.h"
#include "simple/MovingImageObject.h"
#include "simple/MovingObjectRectangle.h"

namespace
{
	const unsigned int backgroundColour = 0xD3D3D3;
	const unsigned int hexagonColour = 0x0000FF;
	const int mapLeft = 300;
	const int mapTop = 300;
	const int pictureLeft = 500;
	const int pictureTop = 20;
	const char* const pictureFile = "ExampleImage.png";
	const char* const textFont = "PixelGameFont.ttf";
	const unsigned int textColour = 0xFF00FF;
	const int backgroundTextSize = 18;
	const int clickTextSize = 28;
}

QelvarEngine::QelvarEngine()
{
}

void QelvarEngine::drawBackground()
{
	fillBackground(backgroundColour);
	drawBackgroundHexagon(200, 200, 240, 150, 290, 150, 330, 200, 290, 250, 240, 250, hexagonColour);
	m_tileManager.setTopLeftOnScreen(mapLeft, mapTop);
	m_tileManager.drawAllTiles(this, getBackgroundSurface());
	ImageHandle picture = ImageManager::loadImage(pictureFile, true);
	picture.render(getBackgroundSurface(), 0, 0, pictureLeft, pictureTop, picture.getWidth(), picture.getHeight());
	requestFullRedraw();
}

int QelvarEngine::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(3);
	setObjectAt(0, new MovingImageObject(this, "frontl.png", "frontr.png", 240, 170, 0, 0, &m_tileManager));
	setObjectAt(1, new MovingObjectRectangle(this, 50, 50, 3, 1, MovingObjectRectangle::bounceMode));
	setObjectAt(2, new MovingObjectRectangle(this, 500, 500, -5, -4, MovingObjectRectangle::wrapMode));
	appendObject(nullptr);
	setAllObjectsVisible(true);
	return 0;
}

void QelvarEngine::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
	m_clickCount++;
}

// Drawn onto the background after this frame's copy: it shows from the next frame on.
void QelvarEngine::drawTextUnderObjects()
{
	drawBackgroundString(750, 650, "This is background text", textColour, getFont(textFont, backgroundTextSize));
}

void QelvarEngine::drawTextOverObjects()
{
	char text[64];
	std::snprintf(text, sizeof(text), "Number of clicks: %d", m_clickCount);
	drawForegroundString(150, 40, text, textColour, getFont(textFont, clickTextSize));
}
