#include "tiles/VelkorsObjectA.h"

#include "BaseEngine.h"
#include "common/ArrowKeySteering.h"

namespace
{
	const int startX = 100;
	const int startY = 200;
	const int width = 100;
	const int height = 200;
	const int stepPerUpdate = 2;
	const unsigned int colour = 0x00FF00;
}

VelkorsObjectA::VelkorsObjectA(BaseEngine* engine) : DisplayableObject(startX, startY, engine, width, height, true)
{
}

// Runs while paused too: the rectangle never looks at the pause.
void VelkorsObjectA::update(int time)
{
	(void)time;
	ArrowKeySteering::moveByHeldArrows(*this, stepPerUpdate);
	ArrowKeySteering::clampInsideWindow(*this);
	requestFullRedraw();
}

void VelkorsObjectA::draw()
{
	m_engine->drawForegroundRectangle(m_x, m_y, m_x + m_width - 1, m_y + m_height - 1, colour);
}
