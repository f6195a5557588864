#include "StateBonusGame.h"

#include <SDL.h>

#include "AlienBonus.h"
#include "ImageObject.h"
#include "PixelSurface.h"
#include "SpaceShipBonus.h"
#include "StateStart.h"
#include "TV4Engine.h"
#include "TimeObject.h"

namespace
{
const int objectSlots = 10;
const int shipEntry = AlienBonus::targetEntry;
const int firstAlienEntry = 2;
const int timeDisplayEntry = 8;
const int backButtonEntry = 9;
const int shipSize = 77;
const int alienWidth = 60;
const int alienHeight = 40;
// Of all rand() % StarLayers::starChance results, this one marks a star site.
const int starRemainder = 0;
const int menuTrack = 0;
const char* const headerText = "TIME PASSED:";
const unsigned int headerColour = 0xff4500;
const char* const headerFont = "PixelGameFont.ttf";
const int headerFontSize = 30;
} // namespace

StateBonusGame::StateBonusGame(TV4Engine* engine) : State(engine), m_starLayers(engine)
{
}

void StateBonusGame::createSurfaces()
{
	m_starLayers.createSurfaces(m_engine->getWidth(), m_engine->getHeight());
}

// The engine's own background stays plain black until the first layer change.
void StateBonusGame::drawBackground()
{
	m_engine->fillBackground(0);
	m_starLayers.drawStarField(starRemainder);
}

void StateBonusGame::createObjects()
{
	const int w = m_engine->getWidth();
	const int h = m_engine->getHeight();
	m_engine->markObjectsChanged();
	m_engine->removeAllObjects(true);
	m_engine->resetObjectSlots(objectSlots);

	m_backButton = new ImageObject(20, h - 120, m_engine, "images/BackButton2.png", true, true);
	m_engine->setObjectAt(backButtonEntry, m_backButton);
	// The ship goes in before the aliens: they find their target at its entry.
	m_engine->setObjectAt(shipEntry,
		new SpaceShipBonus(m_engine, "images/HandDrawnShipBonus.png", w / 2 - 50, h / 2 - 50, shipSize, shipSize, &m_elapsed));
	createAliens();
	m_timeDisplay = new TimeObject(0, 0, m_engine, &m_elapsed, true);
	m_engine->setObjectAt(timeDisplayEntry, m_timeDisplay);

	m_engine->appendObject(nullptr);
	m_engine->setAllObjectsVisible(true);
	m_engine->requestFullRedraw();
}

void StateBonusGame::createAliens()
{
	const int w = m_engine->getWidth();
	struct AlienSetUp
	{
		const char* image;
		int x;
		int y;
		int pattern;
		int delay;
	};
	const AlienSetUp setUps[alienCount] = {
		{"images/AlienBonus1.png", 50, 50, AlienBonus::chase, 2025},
		{"images/AlienBonus2.png", w - 50, 50, AlienBonus::chaseFast, 10000},
		{"images/AlienBonus3.png", 101, 100, AlienBonus::sweepHorizontal, 20000},
		{"images/AlienBonus3.png", 101, 600, AlienBonus::sweepHorizontal, 30000},
		{"images/AlienBonus3.png", 101, 101, AlienBonus::sweepVertical, 40000},
		{"images/AlienBonus3.png", w - 160, 599, AlienBonus::sweepVertical, 50000},
	};
	for (int i = 0; i < alienCount; ++i)
	{
		const AlienSetUp& s = setUps[i];
		m_aliens[i] = new AlienBonus(m_engine, s.image, s.x, s.y, alienWidth, alienHeight, s.pattern, s.delay);
		m_engine->setObjectAt(firstAlienEntry + i, m_aliens[i]);
	}
}

SpaceShipBonus* StateBonusGame::getShip() const
{
	return dynamic_cast<SpaceShipBonus*>(m_engine->getObjectAt(shipEntry));
}

void StateBonusGame::beforeUpdate()
{
	drawHeader();
	if (PixelSurface* layer = m_starLayers.advance())
		m_engine->setBackgroundSurface(layer);
	m_engine->requestFullRedraw();
}

// Drawn on whichever surface is the background now, so each layer keeps it from then on.
void StateBonusGame::drawHeader()
{
	m_engine->lockBackgroundForDrawing();
	m_engine->drawBackgroundString(m_engine->getWidth() - 230, 10, headerText, headerColour,
		m_engine->getFont(headerFont, headerFontSize));
	m_engine->unlockBackgroundForDrawing();
}

void StateBonusGame::keyDown(int key)
{
	SpaceShipBonus* ship = getShip();
	if (ship == nullptr)
		return;
	switch (key)
	{
	case SDLK_RIGHT:
		ship->setHorizontalDirection(SpaceShip::right);
		break;
	case SDLK_LEFT:
		ship->setHorizontalDirection(SpaceShip::left);
		break;
	case SDLK_DOWN:
		ship->setVerticalDirection(SpaceShipBonus::down);
		break;
	case SDLK_UP:
		ship->setVerticalDirection(SpaceShipBonus::up);
		break;
	default:
		break;
	}
}

// A release stops only the motion that key started, so a key held in the other direction keeps working.
void StateBonusGame::keyUp(int key)
{
	SpaceShipBonus* ship = getShip();
	if (ship == nullptr)
		return;
	const int horizontal = ship->getHorizontalDirection();
	if ((key == SDLK_RIGHT && horizontal == SpaceShip::right) || (key == SDLK_LEFT && horizontal == SpaceShip::left))
		ship->setHorizontalDirection(SpaceShip::still);
	const int vertical = ship->getVerticalDirection();
	if ((key == SDLK_UP && vertical == SpaceShipBonus::up) || (key == SDLK_DOWN && vertical == SpaceShipBonus::down))
		ship->setVerticalDirection(SpaceShipBonus::still);
}

void StateBonusGame::mouseDown(int button, int x, int y)
{
	if (button != SDL_BUTTON_LEFT || m_backButton == nullptr || !m_backButton->containsPoint(x, y))
		return;
	m_engine->changeState(new StateStart(m_engine), TV4Engine::redrawNewSurfaces, menuTrack, true);
}

// Frames go back to the engine's own background before the layers it may point at are freed.
void StateBonusGame::onShutdown()
{
	m_engine->removeAllObjects(true);
	m_backButton = nullptr;
	m_timeDisplay = nullptr;
	for (AlienBonus*& alien : m_aliens)
		alien = nullptr;
	m_engine->setBackgroundSurface(m_engine->getOwnBackgroundSurface());
	m_starLayers.freeSurfaces();
}
