#include "dragable/DragableDemo.h"

#include <SDL.h>

#include "DragableImageObject.h"
#include "DragableObject.h"
#include "ImageObject.h"
#include "common/RandomDotBackground.h"

namespace
{
	const bool centred = false;
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
	DragableObject* cornerBox = new DragableObject(this, 60, 80, centred, true);
	cornerBox->keepInsideWindow();
	setObjectAt(0, cornerBox);
	setObjectAt(1, new DragableObject(200, 200, this, 80, 60, centred, true));
	setObjectAt(2, new DragableObject(300, 300, this, 100, 100, centred, true));
	setObjectAt(3, new DragableImageObject(200, 400, this, picture, centred, true));
	setObjectAt(4, new ImageObject(400, 400, this, picture, centred, false));
	return 0;
}

void DragableDemo::onKeyDown(int key)
{
	if (key == SDLK_ESCAPE)
		setExitCode(0);
}
