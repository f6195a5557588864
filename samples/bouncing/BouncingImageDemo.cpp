#include "bouncing/BouncingImageDemo.h"

#include "ImageHandle.h"
#include "bouncing/BouncingImageObject.h"
#include "bouncing/BouncingTexts.h"
#include "common/RandomDotBackground.h"

namespace
{
	const char* const objectPicture = "demo.png";
	const char* const backgroundPicture = "images/cards.png";
	// -1: the picture's bottom-right pixel colour is transparent.
	const int bottomRightTransparent = -1;
}

void BouncingImageDemo::drawBackground()
{
	RandomDotBackground::draw(this);
	ImageHandle picture = loadImage(backgroundPicture, false);
	picture.renderWithMask(getBackgroundSurface(), 0, 0, 0, 0, picture.getWidth(), picture.getHeight(),
		bottomRightTransparent);
}

int BouncingImageDemo::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(1);
	setObjectAt(0, new BouncingImageObject(this, objectPicture));
	return 0;
}

void BouncingImageDemo::drawTextUnderObjects()
{
	BouncingTexts::drawUnderObjects(this);
}

void BouncingImageDemo::drawTextOverObjects()
{
	BouncingTexts::drawOverObjects(this);
}

void BouncingImageDemo::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
	redrawBackground();
}

void BouncingImageDemo::onKeyDown(int key)
{
	BouncingTexts::handleKey(this, key);
}
