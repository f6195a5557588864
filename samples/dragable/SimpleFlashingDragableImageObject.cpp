#include "dragable/SimpleFlashingDragableImageObject.h"

#include "BaseEngine.h"
#include "ImageManager.h"
#include "WrappingTime.h"

namespace
{
	// Placed as a 100 by 100 object until the first picture gives the real size.
	const int provisionalSize = 100;
	const int flashPeriod = 500;
	const int transparentColour = 0x000000;
	const int opacityPercent = 90;
}

SimpleFlashingDragableImageObject::SimpleFlashingDragableImageObject(int x, int y, BaseEngine* engine,
	const std::string& firstImage, const std::string& secondImage, bool topLeft, bool visible)
	: DisplayableObject(x, y, engine, provisionalSize, provisionalSize, true)
{
	m_firstImage = ImageManager::getInstance()->getImage(firstImage, true, false);
	m_secondImage = ImageManager::getInstance()->getImage(secondImage, true, false);
	m_width = m_firstImage.getWidth();
	m_height = m_firstImage.getHeight();
	m_drawOffsetX = topLeft ? 0 : -m_width / 2;
	m_drawOffsetY = topLeft ? 0 : -m_height / 2;
	engine->setMouseEventsToObjects(true);
	setVisible(visible);
}

// First picture while (time / 500) is even, second while it is odd; redraw only on a change.
// The half-seconds count on where the game time passes the int range and turns negative.
void SimpleFlashingDragableImageObject::update(int time)
{
	const int index = static_cast<int>(timeSteps(time, flashPeriod) % 2);
	if (index == m_currentImageIndex)
		return;
	m_currentImageIndex = 1 - m_currentImageIndex;
	requestFullRedraw();
}

void SimpleFlashingDragableImageObject::draw()
{
	if (!isVisible())
		return;
	currentImage().renderBlended(m_engine->getForegroundSurface(), 0, 0, m_x + m_drawOffsetX, m_y + m_drawOffsetY,
		m_width, m_height, transparentColour, opacityPercent);
}

void SimpleFlashingDragableImageObject::onMouseDown(int button, int x, int y)
{
	(void)button;
	if (!containsPoint(x, y))
		return;
	m_dragging = true;
	m_mouseStartX = x;
	m_mouseStartY = y;
	m_dragStartX = m_x;
	m_dragStartY = m_y;
}

void SimpleFlashingDragableImageObject::onMouseMove(int x, int y)
{
	if (!m_dragging)
		return;
	m_x = x + m_dragStartX - m_mouseStartX;
	m_y = y + m_dragStartY - m_mouseStartY;
	requestFullRedraw();
}

void SimpleFlashingDragableImageObject::onMouseUp(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
	m_dragging = false;
}
