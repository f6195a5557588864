#include "Laser.h"

#include "BaseEngine.h"

namespace
{
const int risePixels = 10;
// Below this y the laser counts as spent; above the top guard it stops rising.
const int spentBelowY = 20;
const int topGuardY = -50;
// Drawn at twice its hit-box size.
const int drawScale = 2;
const unsigned int laserColour = 0x8b0000;
} // namespace

Laser::Laser(BaseEngine* engine, int x, int y) : MovingObject(engine, x, y, width, height)
{
}

void Laser::draw()
{
	m_engine->drawForegroundRectangle(m_x, m_y, m_x + drawScale * m_width - 1, m_y + drawScale * m_height - 1,
		laserColour);
}

void Laser::update(int time)
{
	(void)time;
	if (m_y > topGuardY)
		m_y -= risePixels;
	if (m_y < spentBelowY)
		m_hit = true;
	if (m_hit)
	{
		removeFromList();
		delete this;
	}
}

// Empties only the laser's own entry: every other entry keeps its number, so the level
// finds the laser's slot empty again and fixed entries never move.
void Laser::removeFromList()
{
	for (int i = 0; i < m_engine->getObjectCount(); ++i)
	{
		if (m_engine->getObjectAt(i) == this)
		{
			m_engine->setObjectAt(i, nullptr);
			return;
		}
	}
}
