#include "bouncing/BouncingObjectDemo.h"

#include "bouncing/BouncingObject.h"
#include "bouncing/BouncingTexts.h"
#include "common/RandomDotBackground.h"

void BouncingObjectDemo::drawBackground()
{
	RandomDotBackground::draw(this);
}

int BouncingObjectDemo::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(1);
	setObjectAt(0, new BouncingObject(this));
	return 0;
}

void BouncingObjectDemo::drawTextUnderObjects()
{
	BouncingTexts::drawUnderObjects(this);
}

void BouncingObjectDemo::drawTextOverObjects()
{
	BouncingTexts::drawOverObjects(this);
}

void BouncingObjectDemo::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
	redrawBackground();
}

void BouncingObjectDemo::onKeyDown(int key)
{
	BouncingTexts::handleKey(this, key);
}
