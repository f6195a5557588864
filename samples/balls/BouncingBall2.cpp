#include "balls/BouncingBall2.h"

#include <SDL.h>

#include "BaseEngine.h"

namespace
{
	const double steeringStep = 0.01;
}

BouncingBall2::BouncingBall2(BaseEngine* engine, int size, int colourIndex, const char* label, int labelOffsetX,
	int labelOffsetY)
	: BouncingBall(engine, size, colourIndex, label, labelOffsetX, labelOffsetY), m_exactX(size), m_exactY(size)
{
}

void BouncingBall2::setPosition(double x, double y)
{
	m_exactX = x;
	m_exactY = y;
}

void BouncingBall2::setSpeed(double speedX, double speedY)
{
	m_speedX = speedX;
	m_speedY = speedY;
}

void BouncingBall2::update(int time)
{
	(void)time;
	steerByHeldKeys();
	m_exactX += m_speedX;
	m_exactY += m_speedY;
	bounceOffEdges();
	m_x = static_cast<int>(m_exactX + 0.5);
	m_y = static_cast<int>(m_exactY + 0.5);
	requestFullRedraw();
}

// Each held key acts once per update; SPACE, tested last, stops the ball.
void BouncingBall2::steerByHeldKeys()
{
	if (m_engine->isKeyPressed(SDLK_UP))
		m_speedY -= steeringStep;
	if (m_engine->isKeyPressed(SDLK_DOWN))
		m_speedY += steeringStep;
	if (m_engine->isKeyPressed(SDLK_LEFT))
		m_speedX -= steeringStep;
	if (m_engine->isKeyPressed(SDLK_RIGHT))
		m_speedX += steeringStep;
	if (m_engine->isKeyPressed(SDLK_SPACE))
		m_speedX = m_speedY = 0.0;
}

// Put back exactly on an edge, with a speed that points outwards mirrored.
void BouncingBall2::bounceOffEdges()
{
	const int windowWidth = m_engine->getWindowWidth();
	const int windowHeight = m_engine->getWindowHeight();
	if (m_exactX + m_drawOffsetX < 0)
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
	if (m_exactY + m_drawOffsetY < 0)
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
