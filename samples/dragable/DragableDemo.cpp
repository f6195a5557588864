#include "dragable/DragableDemo.h"

#include <SDL.h>

#include "DragableImageObject.h"
#include "DragableObject.h"
#include "ImageObject.h"
#include "common/RandomDotBackground.h"

namespace
{
	const bool topLeft = false; // every object is centred on its position
	const char* const picture = "demo.png";
}

void DragableDemo::drawBackground()
{
	RandomDotBackground::draw(this);
}

int DragableDemo::createObjects()
{
	removeAllObjects(true);
	resetObjectSlots(5);
	// Built at (0, 0) and moved so that its drawn rectangle starts at the window's corner.
	DragableObject* cornerBox = new DragableObject(this, 60, 80, topLeft, true);
	cornerBox->keepInsideWindow();
	setObjectAt(0, cornerBox);
	setObjectAt(1, new DragableObject(200, 200, this, 80, 60, topLeft, true));
	setObjectAt(2, new DragableObject(300, 300, this, 100, 100, topLeft, true));
	setObjectAt(3, new DragableImageObject(200, 400, this, picture, topLeft, true));
	setObjectAt(4, new ImageObject(400, 400, this, picture, topLeft, false));
	return 0;
}

void DragableDemo::onKeyDown(int key)
{
	if (key == SDLK_ESCAPE)
		setExitCode(0);
}
