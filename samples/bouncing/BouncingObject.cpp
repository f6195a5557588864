#include "bouncing/BouncingObject.h"

#include "BaseEngine.h"
#include "MovingObject.h"
#include "common/ArrowKeySteering.h"

namespace
{
	const int boxWidth = 100;
	const int boxHeight = 50;
	const double steeringStep = 0.005;
	const unsigned int boxColour = 0xFFFF00;
}

BouncingObject::BouncingObject(BaseEngine* engine) : DisplayableObject(engine, boxWidth, boxHeight, false)
{
	m_x = m_width;
	m_y = m_height;
	m_exactX = m_x;
	m_exactY = m_y;
	setVisible(true);
}

void BouncingObject::update(int time)
{
	(void)time;
	if (m_engine->isPaused())
		return;
	steerByHeldArrows();
	m_exactX += m_speedX;
	m_exactY += m_speedY;
	bounceOffEdges();
	m_x = static_cast<int>(m_exactX + 0.5);
	m_y = static_cast<int>(m_exactY + 0.5);
	requestFullRedraw();
}

void BouncingObject::steerByHeldArrows()
{
	ArrowKeySteering::changeSpeedByHeldArrows(m_engine, m_speedX, m_speedY, steeringStep);
}

void BouncingObject::bounceOffEdges()
{
	MovingObject::bounceAxis(m_exactX, m_speedX, m_drawOffsetX, m_width, m_engine->getWindowWidth());
	MovingObject::bounceAxis(m_exactY, m_speedY, m_drawOffsetY, m_height, m_engine->getWindowHeight());
}

void BouncingObject::draw()
{
	m_engine->drawForegroundRectangle(m_x - m_width / 2 + 1, m_y - m_height / 2 + 1, m_x + m_width / 2 - 1,
		m_y + m_height / 2 - 1, boxColour);
}
