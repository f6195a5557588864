#include "MovingObject.h"

#include <cstdint>

#include "BaseEngine.h"

namespace
{
const double initialSpeedX = 1.5;
const double initialSpeedY = 2.5;
const unsigned int triangleColour = 0xFF0000;
} // namespace

MovingObject::MovingObject(BaseEngine* engine, int x, int y, int width, int height)
	: DisplayableObject(x, y, engine, width, height, true),
	  m_speedX(initialSpeedX), m_speedY(initialSpeedY), m_positionX(x), m_positionY(y)
{
	setVisible(true);
}

void MovingObject::setExactPosition(double x, double y)
{
	m_positionX = x;
	m_positionY = y;
	syncIntegerPosition();
}

void MovingObject::syncIntegerPosition()
{
	m_x = static_cast<int>(m_positionX + 0.5);
	m_y = static_cast<int>(m_positionY + 0.5);
}

void MovingObject::bounceAxis(double& position, double& speed, int drawOffset, int size, int limit)
{
	if (drawOffset + position < 0)
	{
		position = -drawOffset;
		if (speed < 0)
			speed = -speed;
	}
	if (drawOffset + position + size > limit - 1)
	{
		position = limit - 1 - drawOffset - size;
		if (speed > 0)
			speed = -speed;
	}
}

void MovingObject::update(int time)
{
	(void)time;
	if (m_engine->isPaused())
		return;
	m_positionX += m_speedX;
	m_positionY += m_speedY;
	bounceAxis(m_positionX, m_speedX, m_drawOffsetX, m_width, m_engine->getWindowWidth());
	bounceAxis(m_positionY, m_speedY, m_drawOffsetY, m_height, m_engine->getWindowHeight());
	syncIntegerPosition();
	requestFullRedraw();
}

void MovingObject::draw()
{
	const int halfW = m_width / 2;
	const int halfH = m_height / 2;
	m_engine->drawForegroundTriangle(m_x - halfW + 1, m_y + halfH - 1, m_x + 1, m_y - halfH, m_x + halfW - 1,
		m_y + halfH - 1, triangleColour);
}

bool rectanglesOverlap(int left1, int right1, int top1, int bottom1, int left2, int right2, int top2, int bottom2)
{
	return right1 >= left2 && right2 >= left1 && bottom1 >= top2 && bottom2 >= top1;
}

bool pointsWithinDistance(int x1, int y1, int x2, int y2, int r)
{
	// Wide arithmetic: squares of screen distances can pass the int range.
	const int64_t dx = static_cast<int64_t>(x1) - x2;
	const int64_t dy = static_cast<int64_t>(y1) - y2;
	return dx * dx + dy * dy < static_cast<int64_t>(r) * r;
}
