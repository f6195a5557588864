#include "maze/MazeDemoObject.h"

#include <SDL.h>

#include <cstdlib>

#include "MovingObject.h"
#include "WrappingTime.h"
#include "maze/MazeDemoMain.h"

namespace
{
	const int cellSize = 50;
	const int halfCell = cellSize / 2;
	const int cellCentreOffsetX = 50;
	const int cellCentreOffsetY = 65;
	const unsigned int discColour = 0x00FFFF;
	const int pulseStep = 20;
	const int pulsePhases = 30;
	const int pulseTurn = 15;
	const int minimumRadius = 10;
	const int stepMinimum = 400;
	const int stepSpread = 200;
	const int directionCount = 4;
	enum Direction { up = 0, right = 1, down = 2, left = 3 };
	// Teleports land on row 1 or row 9, columns 1 to 13: open floor from end to end.
	const int teleportColumns = 13;
	const int teleportRowGap = 8;

	// Any int as one of the four directions (negative values counted from the top).
	int normalisedDirection(int direction)
	{
		return (direction % directionCount + directionCount) % directionCount;
	}
}

MazeDemoObject::MazeDemoObject(MazeDemoMain* engine, int cellX, int cellY)
	: DisplayableObject(engine, 0, 0, true), m_mazeEngine(engine), m_cellX(cellX), m_cellY(cellY)
{
	m_movement.clear();
	m_drawOffsetX = -halfCell;
	m_drawOffsetY = -halfCell;
	setSize(cellSize, cellSize);
	setPosition(cellCentreX(cellX), cellCentreY(cellY));
	setVisible(true);
}

int MazeDemoObject::getDirectionDx(int direction)
{
	switch (normalisedDirection(direction))
	{
	case right: return 1;
	case left: return -1;
	default: return 0;
	}
}

int MazeDemoObject::getDirectionDy(int direction)
{
	switch (normalisedDirection(direction))
	{
	case up: return -1;
	case down: return 1;
	default: return 0;
	}
}

// The phase counts on where the game time passes the int range, so the radius stays in range.
int MazeDemoObject::pulseRadius(int time)
{
	const int p = static_cast<int>(timeSteps(time, pulseStep) % pulsePhases);
	return p <= pulseTurn ? p + minimumRadius : 40 - p;
}

int MazeDemoObject::cellCentreX(int cellX)
{
	return cellX * cellSize + cellCentreOffsetX;
}

int MazeDemoObject::cellCentreY(int cellY)
{
	return cellY * cellSize + cellCentreOffsetY;
}

void MazeDemoObject::draw()
{
	if (!isVisible())
		return;
	const int radius = pulseRadius(m_engine->getGameTime());
	m_engine->drawForegroundOval(m_x - radius, m_y - radius, m_x + radius - 1, m_y + radius - 1, discColour);
}

void MazeDemoObject::update(int time)
{
	if (!isVisible() || m_engine->isPaused())
		return;
	if (teleportOnContact(time))
		return;
	if (m_movement.hasFinished(time))
	{
		advanceMarkUnderfoot();
		chooseDirection();
		stepTowardsDirection(time);
	}
	if (!m_movement.hasFinished(time))
		followMovement(time);
	requestFullRedraw();
}

bool MazeDemoObject::teleportOnContact(int time)
{
	const int reach = 2 * pulseRadius(time);
	for (int i = 0; DisplayableObject* other = m_engine->getObjectAt(i); i++)
	{
		if (other == this || !pointsWithinDistance(other->getCentreX(), other->getCentreY(), m_x, m_y, reach))
			continue;
		m_cellX = rand() % teleportColumns + 1;
		m_cellY = (rand() % 2) * teleportRowGap + 1;
		m_direction = right;
		const int x = cellCentreX(m_cellX);
		const int y = cellCentreY(m_cellY);
		m_movement.setup(x, y, x, y, time, timeAfter(time, randomStepDuration()));
		followMovement(time);
		requestFullRedraw();
		return true;
	}
	return false;
}

// Marks 2 to 7 go up by one, 8 fades to floor; floor and wall stay.
void MazeDemoObject::advanceMarkUnderfoot()
{
	MazeDemoTileManager& tiles = m_mazeEngine->getTileManager();
	const int v = tiles.getMapValue(m_cellX, m_cellY);
	if (v < MazeDemoTileManager::firstMark || v > MazeDemoTileManager::lastMark)
		return;
	const int next = v == MazeDemoTileManager::lastMark ? MazeDemoTileManager::floorValue : v + 1;
	tiles.setAndRedrawMapValue(m_cellX, m_cellY, next, m_engine, m_engine->getBackgroundSurface());
}

// A random turn now and then; held arrows override it, the last one tested winning.
void MazeDemoObject::chooseDirection()
{
	const int d = rand() % 10;
	if (d == 0)
		m_direction = (m_direction + 1) % directionCount;
	else if (d == 1)
		m_direction = (m_direction + 3) % directionCount;
	if (m_engine->isKeyPressed(SDLK_UP))
		m_direction = up;
	if (m_engine->isKeyPressed(SDLK_RIGHT))
		m_direction = right;
	if (m_engine->isKeyPressed(SDLK_DOWN))
		m_direction = down;
	if (m_engine->isKeyPressed(SDLK_LEFT))
		m_direction = left;
}

void MazeDemoObject::stepTowardsDirection(int time)
{
	MazeDemoTileManager& tiles = m_mazeEngine->getTileManager();
	const int nextX = m_cellX + getDirectionDx(m_direction);
	const int nextY = m_cellY + getDirectionDy(m_direction);
	if (!tiles.isValidTilePosition(nextX, nextY))
		return;
	const int n = tiles.getMapValue(nextX, nextY);
	if (n == MazeDemoTileManager::wallValue)
	{
		// Facing a wall: pick any direction and try again at the next update.
		m_direction = rand() % directionCount;
		return;
	}
	if (n != MazeDemoTileManager::floorValue && (n < MazeDemoTileManager::firstMark || n > MazeDemoTileManager::lastMark))
		return;
	m_cellX = nextX;
	m_cellY = nextY;
	m_movement.setup(m_x, m_y, cellCentreX(m_cellX), cellCentreY(m_cellY), time,
		timeAfter(time, randomStepDuration()));
}

void MazeDemoObject::followMovement(int time)
{
	m_movement.calculate(time);
	setPosition(m_movement.getX(), m_movement.getY());
}

int MazeDemoObject::randomStepDuration() const
{
	return stepMinimum + rand() % stepSpread;
}
