#include "simple/MovingObjectRectangle.h"

#include "BaseEngine.h"

namespace
{
	const int shapeSize = 50;
	const int lastShapeCount = 200;
	const int lastTriangleCount = 100;
	// The demo's list is image object, shape, shape: touches are looked for from entry 2 on.
	const int firstTouchIndex = 2;
	const unsigned int bounceColour = 0x009933;
	const unsigned int wrapColour = 0xCC00CC;
}

MovingObjectRectangle::MovingObjectRectangle(BaseEngine* engine, int x, int y, double speedX, double speedY, int mode)
	: MovingObject(engine, x, y, shapeSize, shapeSize), m_mode(mode)
{
	m_positionX = x;
	m_positionY = y;
	setSpeed(speedX, speedY);
	setVisible(true);
}

void MovingObjectRectangle::update(int time)
{
	(void)time;
	if (m_engine->isPaused())
		return;
	advanceShapeCounter();
	m_positionX += m_speedX;
	m_positionY += m_speedY;
	keepInsideEdges();
	jumpAwayOnTouch();
	syncIntegerPosition();
	requestFullRedraw();
}

void MovingObjectRectangle::advanceShapeCounter()
{
	if (++m_shapeCounter > lastShapeCount)
		m_shapeCounter = 0;
}

void MovingObjectRectangle::keepInsideEdges()
{
	const int windowWidth = m_engine->getWindowWidth();
	// Wrapping replaces the left-edge bounce: from past the right edge, the right-edge rule puts
	// the shape back at the right edge with its speed unchanged (its draw offsets are 0).
	if (m_mode == wrapMode && m_drawOffsetX + m_positionX < 0)
		m_positionX = windowWidth;
	MovingObject::bounceAxis(m_positionX, m_speedX, m_drawOffsetX, m_width, windowWidth);
	MovingObject::bounceAxis(m_positionY, m_speedY, m_drawOffsetY, m_height, m_engine->getWindowHeight());
}

// Tested with the previous tick's integer position; the speed is kept.
void MovingObjectRectangle::jumpAwayOnTouch()
{
	for (int i = firstTouchIndex; DisplayableObject* other = m_engine->getObjectAt(i); i++)
	{
		if (other == this)
			continue;
		const int otherX = other->getCentreX();
		const int otherY = other->getCentreY();
		if (!rectanglesOverlap(otherX - m_width, otherX + m_width, otherY - m_height, otherY + m_height,
				m_x - m_width, m_x + m_width, m_y - m_height, m_y + m_height))
			continue;
		if (m_mode == wrapMode)
		{
			// The next tick's edge rules put it in the bottom-right corner.
			m_positionX = m_engine->getWindowWidth();
			m_positionY = m_engine->getWindowHeight();
		}
		else
			m_positionX = m_positionY = 0;
	}
}

void MovingObjectRectangle::draw()
{
	const unsigned int colour = m_mode == wrapMode ? wrapColour : bounceColour;
	if (m_shapeCounter <= lastTriangleCount)
		m_engine->drawForegroundTriangle(m_x - m_width / 2 + 1, m_y + m_height / 2 - 1, m_x + 1, m_y - m_height / 2,
			m_x + m_width / 2 - 1, m_y + m_height / 2 - 1, colour);
	else
		m_engine->drawForegroundRectangle(m_x, m_y, m_x + 2 * m_width - 1, m_y + 2 * m_height - 1, colour);
}
