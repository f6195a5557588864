#include "bouncing/BouncingObject.h"

#include <SDL.h>

#include "BaseEngine.h"

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
	if (m_engine->isKeyPressed(SDLK_UP))
		m_speedY -= steeringStep;
	if (m_engine->isKeyPressed(SDLK_DOWN))
		m_speedY += steeringStep;
	if (m_engine->isKeyPressed(SDLK_LEFT))
		m_speedX -= steeringStep;
	if (m_engine->isKeyPressed(SDLK_RIGHT))
		m_speedX += steeringStep;
}

// Only a speed pointing out of the window is reversed.
void BouncingObject::bounceOffEdges()
{
	const int windowWidth = m_engine->getWindowWidth();
	const int windowHeight = m_engine->getWindowHeight();
	if (m_drawOffsetX + m_exactX < 0)
	{
		m_exactX = -m_drawOffsetX;
		if (m_speedX < 0)
			m_speedX = -m_speedX;
	}
	if (m_drawOffsetX + m_exactX + m_width > windowWidth - 1)
	{
		m_exactX = windowWidth - 1 - m_drawOffsetX - m_width;
		if (m_speedX > 0)
			m_speedX = -m_speedX;
	}
	if (m_drawOffsetY + m_exactY < 0)
	{
		m_exactY = -m_drawOffsetY;
		if (m_speedY < 0)
			m_speedY = -m_speedY;
	}
	if (m_drawOffsetY + m_exactY + m_height > windowHeight - 1)
	{
		m_exactY = windowHeight - 1 - m_drawOffsetY - m_height;
		if (m_speedY > 0)
			m_speedY = -m_speedY;
	}
}

void BouncingObject::draw()
{
	m_engine->drawForegroundRectangle(m_x - m_width / 2 + 1, m_y - m_height / 2 + 1, m_x + m_width / 2 - 1,
		m_y + m_height / 2 - 1, boxColour);
}
