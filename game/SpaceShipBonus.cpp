#include "SpaceShipBonus.h"

#include "BaseEngine.h"
#include "SaturatingInt.h"

namespace
{
const int tickMilliseconds = 10;
const int step = 4;
// The ship's top-left stays this far inside the window's right and bottom edges.
const int farEdgeMargin = 80;
const int explosionFrames = 12;
const int ticksPerExplosionFrame = 4;
} // namespace

SpaceShipBonus::SpaceShipBonus(BaseEngine* engine, std::string url, int x, int y, int w, int h, int* elapsed)
	: SpaceShip(engine, url, x, y, w, h), m_elapsed(elapsed)
{
}

// The clock counts ticks, whatever the real time between them; the time argument is unused.
void SpaceShipBonus::update(int time)
{
	(void)time;
	if (m_hit)
	{
		explode();
		return;
	}
	// A clock left running for weeks stops at the int limit rather than turning negative.
	if (m_elapsed != nullptr)
		*m_elapsed = saturatingAdd(*m_elapsed, tickMilliseconds);
	move();
}

void SpaceShipBonus::move()
{
	const int direction = getHorizontalDirection();
	if (direction == right && m_x < m_engine->getWindowWidth() - farEdgeMargin)
		m_x += step;
	else if (direction == left && m_x > 0)
		m_x -= step;

	if (m_verticalDirection == down && m_y < m_engine->getWindowHeight() - farEdgeMargin)
		m_y += step;
	else if (m_verticalDirection == up && m_y > 0)
		m_y -= step;
}

void SpaceShipBonus::explode()
{
	++m_explosionTickCounter;
	setImage("images/Explosion/" + std::to_string(m_explosionFrame) + ".png", false);
	if (m_explosionTickCounter >= ticksPerExplosionFrame)
	{
		++m_explosionFrame;
		m_explosionTickCounter = 0;
	}
	if (m_explosionFrame > explosionFrames)
	{
		removeFromEngine();
		delete this;
	}
}

// Empties the ship's own entry; no other entry moves, so the screen's fixed entries stay put.
void SpaceShipBonus::removeFromEngine()
{
	for (int i = 0; i < m_engine->getObjectCount(); ++i)
		if (m_engine->getObjectAt(i) == this)
			m_engine->setObjectAt(i, nullptr);
}
