#include "SpaceShip.h"

#include "BaseEngine.h"

namespace
{
const int stepPixels = 4;
// The ship's top-left stays between these: a margin on the left, room for the ship on the right.
const int leftLimit = 100;
const int rightMargin = 200;
} // namespace

SpaceShip::SpaceShip(BaseEngine* engine, std::string url, int x, int y, int w, int h)
	: MovingObjectImage(engine, std::move(url), x, y, w, h)
{
}

// The level requests the redraw every tick, so the ship only moves.
void SpaceShip::update(int time)
{
	(void)time;
	if (m_horizontalDirection == right && m_x < m_engine->getWindowWidth() - rightMargin)
		m_x += stepPixels;
	else if (m_horizontalDirection == left && m_x > leftLimit)
		m_x -= stepPixels;
}
