#include "balls/BouncingBall2.h"

#include <SDL.h>

#include "BaseEngine.h"
#include "common/ArrowKeySteering.h"
#include "common/BouncingMotion.h"

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
	BouncingMotion::step(*this, m_exactX, m_exactY, m_speedX, m_speedY);
}

// Each held key acts once per update; SPACE, tested last, stops the ball.
void BouncingBall2::steerByHeldKeys()
{
	ArrowKeySteering::changeSpeedByHeldArrows(m_engine, m_speedX, m_speedY, steeringStep);
	if (m_engine->isKeyPressed(SDLK_SPACE))
		m_speedX = m_speedY = 0.0;
}
