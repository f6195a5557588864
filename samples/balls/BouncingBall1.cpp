#include "balls/BouncingBall1.h"

#include <SDL.h>

#include "BaseEngine.h"
#include "TileManager.h"
#include "common/TileValueSum.h"

namespace
{
	const SDL_Keycode rebuildWhileUpdatingKey = SDLK_u;
}

BouncingBall1::BouncingBall1(BaseEngine* engine, int size, int colourIndex, const char* label, int labelOffsetX,
	int labelOffsetY, TileManager* tileManager)
	: BouncingBall(engine, size, colourIndex, label, labelOffsetX, labelOffsetY), m_tileManager(tileManager)
{
	m_movement.clear();
}

void BouncingBall1::setMovement(int startTime, int endTime, int now, int x1, int y1, int x2, int y2)
{
	m_movement.setup(x1, y1, x2, y2, startTime, endTime);
	followMovement(now);
}

void BouncingBall1::update(int time)
{
	if (m_engine->isKeyPressed(rebuildWhileUpdatingKey))
	{
		// Deletes this ball among all the others: nothing of it may be touched afterwards.
		m_engine->createObjects();
		return;
	}
	followMovement(time);
	// At the end of a leg the ball turns round and runs the same way back.
	if (m_movement.hasFinished(time))
	{
		m_movement.reverse();
		followMovement(time);
	}
	bumpTileUnderCentre();
	requestFullRedraw();
}

void BouncingBall1::followMovement(int time)
{
	m_movement.calculate(time);
	setPosition(m_movement.getX(), m_movement.getY());
}

void BouncingBall1::bumpTileUnderCentre()
{
	if (!m_tileManager->isScreenPointOnMap(m_x, m_y))
		return;
	const int column = m_tileManager->getMapColumnForScreenX(m_x);
	const int row = m_tileManager->getMapRowForScreenY(m_y);
	m_tileManager->setAndRedrawMapValue(column, row, TileValueSum::add(m_tileManager->getMapValue(column, row), 1),
		m_engine, m_engine->getBackgroundSurface());
}
