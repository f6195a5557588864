#include "bouncing/BouncingObject.h"

#include "BaseEngine.h"
#include "common/ArrowKeySteering.h"
#include "common/BouncingMotion.h"

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
	ArrowKeySteering::changeSpeedByHeldArrows(m_engine, m_speedX, m_speedY, steeringStep);
	BouncingMotion::step(*this, m_exactX, m_exactY, m_speedX, m_speedY);
}

void BouncingObject::draw()
{
	m_engine->drawForegroundRectangle(m_x - m_width / 2 + 1, m_y - m_height / 2 + 1, m_x + m_width / 2 - 1,
		m_y + m_height / 2 - 1, boxColour);
}
