#include "tiles/TileDemoRectangle.h"

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

TileDemoRectangle::TileDemoRectangle(BaseEngine* engine, bool topLeft)
	: DisplayableObject(startX, startY, engine, width, height, topLeft)
{
}

// Runs while paused too: the rectangle never looks at the pause.
void TileDemoRectangle::update(int time)
{
	(void)time;
	ArrowKeySteering::moveByHeldArrows(*this, stepPerUpdate);
	ArrowKeySteering::clampInsideWindow(*this);
	requestFullRedraw();
}

void TileDemoRectangle::draw()
{
	m_engine->drawForegroundRectangle(m_x, m_y, m_x + m_width - 1, m_y + m_height - 1, colour);
}
