#include "zoompan/ZoomPanDemo.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "DragableImageObject.h"
#include "DragableObject.h"
#include "common/TableScrollKeys.h"
#include "dragable/SimpleFlashingDragableImageObject.h"

namespace
{
	const unsigned int tableColour = 0x000000;
	const bool topLeft = false; // every object is centred on its position
	const unsigned int cyan = 0x00FFFF;
	const unsigned int red = 0xFF0000;
	const unsigned int magenta = 0xFF00FF;
	const unsigned int green = 0x00FF00;
	const int textBufferSize = 64;
}

// Neutral start: factors 1 to 1 and no offset; the chain ends in the engine's clipping.
ZoomPanDemo::ZoomPanDemo() : m_scaling(0, 0, getEngineFilter()), m_translation(0, 0, &m_scaling)
{
}

int ZoomPanDemo::setUpContent()
{
	getBackgroundSurface()->setFilter(&m_translation);
	getForegroundSurface()->setFilter(&m_translation);
	return BaseEngine::setUpContent();
}

void ZoomPanDemo::drawBackground()
{
	fillBackground(tableColour);
}

int ZoomPanDemo::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(3);
	setObjectAt(0, new DragableObject(100, 300, this, 60, 80, topLeft, true));
	setObjectAt(1, new DragableImageObject(200, 200, this, "demo2a.png", topLeft, true));
	setObjectAt(2, new SimpleFlashingDragableImageObject(400, 200, this, "demo2a.png", "demo2b.png", topLeft, true));
	return 0;
}

void ZoomPanDemo::drawTextUnderObjects()
{
	char text[textBufferSize];
	std::snprintf(text, sizeof(text), "Changing random %6d", rand());
	drawForegroundString(50, 10, text, cyan);
	drawForegroundString(450, 10, "Underneath the objects", red);
}

void ZoomPanDemo::drawTextOverObjects()
{
	char text[textBufferSize];
	std::snprintf(text, sizeof(text), "Time %6d", rand());
	drawForegroundString(150, 40, text, magenta);
	drawForegroundString(450, 40, "On top of the objects", green);
}

// The scroll offset stays as it is, so the window centre moves to another virtual point.
void ZoomPanDemo::onMouseDown(int button, int x, int y)
{
	(void)x;
	(void)y;
	if (button == SDL_BUTTON_MIDDLE)
		m_scaling.zoomOut();
	else if (button == SDL_BUTTON_RIGHT)
		m_scaling.zoomIn();
	requestFullRedraw();
}

void ZoomPanDemo::onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp)
{
	(void)x;
	(void)which;
	(void)timestamp;
	if (y < 0)
		m_scaling.zoomOut();
	else if (y > 0)
		m_scaling.zoomIn();
	requestFullRedraw();
}

// Escape ends without a redraw; keys other than it and the scroll keys do nothing.
void ZoomPanDemo::onKeyDown(int key)
{
	if (key == SDLK_ESCAPE)
		setExitCode(0);
	else if (TableScrollKeys::apply(m_translation, key))
		requestFullRedraw();
}
