#include "StateLevel.h"

#include <cstdlib>

#include "Alien.h"
#include "ImageObject.h"
#include "Laser.h"
#include "NoDragMappableImageObject.h"
#include "ScoreObject.h"
#include "SpaceShip.h"
#include "StateEnd.h"
#include "StatePause.h"
#include "TV4Engine.h"

namespace
{
const unsigned int starColour = 0x989898;
// About one pixel in this many is a star.
const int starRarity = 1000;
const char* const gameFont = "PixelGameFont.ttf";
const int headerFontSize = 30;
const unsigned int headerLabelColour = 0xff4500;
const unsigned int playerNameColour = 0xffffff;
const int headerY = 10;
const int livesLabelX = 10;
const int nameOffsetFromCentre = 50;
const int scoreLabelOffsetFromRight = 130;

// The laser leaves the ship this far from the ship's left edge, at the ship's top.
const int laserOffsetX = 48;

const int titleTicksPerToggle = 18;
const int titleToggleCount = 10;

// Rotation angles in radians from t = game time / 10: t / 100, t / -50 and t / -75.
const int rotationTimeDivisor = 10;
const double rotationDivisors[StateLevel::rotationCount] = {100.0, -50.0, -75.0};

const int endingTickCount = 250;
const int endingScrollStep = -4;

const unsigned int losingTrack = 7;

const int shipSize = 106;
const int lifeIconX[StateLevel::lifeIconCount] = {10, 45, 80};
const int lifeIconY = 45;
const int messageOffsetFromCentre = 200;
const int pauseImageY = 50;
const int messageImageY = 200;
const char* const pauseImage = "images/PauseImage.png";
const char* const savedImage = "images/GameSavedImage.png";

struct ShipImages
{
	const char* ship;
	const char* lifeIcon;
};
const ShipImages shipImages[] = {
	{"images/HandDrawnShip2.png", "images/HandDrawnShipLife.png"},
	{"images/HandDrawnShipBlue2.png", "images/HandDrawnShipBlueLife.png"},
	{"images/HandDrawnShipPurple2.png", "images/HandDrawnShipPurpleLife.png"},
};
const int lastShipIndex = 2;
} // namespace

StateLevel::StateLevel(TV4Engine* engine)
	: State(engine), m_scaling(0, 0, engine->getEngineFilter()), m_translation(0, 0, &m_scaling)
{
}

StateLevel::~StateLevel()
{
	detachOwnFilter();
	// Given up from the pause screen the level goes without its shutdown: its objects
	// point at its counters, so they must not outlive it.
	if (m_objectsBuilt)
		m_engine->removeAllObjects(true);
}

// ---------------------------------------------------------------- set-up

void StateLevel::takePlayerData(int killTarget, int levelNumber)
{
	m_playerName = m_engine->getPlayerName();
	m_shipIndex = m_engine->getShipIndex();
	m_score = m_engine->getScore();
	m_lives = m_engine->getLives();
	m_shipX = m_engine->getShipX();
	m_shipY = m_engine->getShipY();
	m_killTarget = killTarget;
	m_levelNumber = levelNumber;
	chooseShipImages();
}

void StateLevel::chooseShipImages()
{
	const int index = (m_shipIndex >= 0 && m_shipIndex < lastShipIndex) ? m_shipIndex : lastShipIndex;
	m_shipImage = shipImages[index].ship;
	m_lifeIconImage = shipImages[index].lifeIcon;
}

void StateLevel::buildObjects(int slotCount, const AsteroidRow* asteroids, int asteroidCount, const char* titleImage,
	const AlienRow* aliens, int alienCount)
{
	TV4Engine* engine = m_engine;
	const int messageX = engine->getWidth() / 2 - messageOffsetFromCentre;

	engine->removeAllObjects(true);
	engine->resetObjectSlots(slotCount);
	m_objectsBuilt = true;

	for (int i = 0; i < asteroidCount; ++i)
	{
		const AsteroidRow& row = asteroids[i];
		engine->setObjectAt(row.slot,
			new NoDragMappableImageObject(&m_rotations[row.rotation], row.x, row.y, engine, row.image, false, true));
	}

	m_ship = new SpaceShip(engine, m_shipImage, m_shipX, m_shipY, shipSize, shipSize);
	engine->setObjectAt(shipSlot, m_ship);

	for (int i = 0; i < lifeIconCount; ++i)
	{
		m_lifeIcons[i] = new ImageObject(lifeIconX[i], lifeIconY, engine, m_lifeIconImage, true, true);
		engine->setObjectAt(firstLifeIconSlot + i, m_lifeIcons[i]);
	}

	engine->setObjectAt(pauseImageSlot, new ImageObject(messageX, pauseImageY, engine, pauseImage, true, false));
	engine->setObjectAt(titleImageSlot, new ImageObject(messageX, messageImageY, engine, titleImage, true, false));
	engine->setObjectAt(savedImageSlot, new ImageObject(messageX, messageImageY, engine, savedImage, true, false));

	m_scoreDisplay = new ScoreObject(0, 0, engine, &m_score, true);
	engine->setObjectAt(scoreSlot, m_scoreDisplay);

	// The laser's slot and the rest up to the aliens stay empty.
	for (int i = 0; i < alienCount; ++i)
	{
		const AlienRow& row = aliens[i];
		engine->appendObject(new Alien(engine, row.image, row.x, row.y, row.w, row.h, row.pattern, row.delay, &m_lives,
			&m_score, &m_killed, row.points));
	}
	engine->appendObject(nullptr);

	engine->requestFullRedraw();
}

// ---------------------------------------------------------------- background

void StateLevel::drawBackground()
{
	m_engine->lockBackgroundForDrawing();
	installFilter(&m_translation);
	m_engine->fillBackground(0);
	drawStars();
	drawHeader();
	m_engine->unlockBackgroundForDrawing();
	m_engine->requestFullRedraw();
}

void StateLevel::drawStars()
{
	const int width = m_engine->getWindowWidth();
	const int height = m_engine->getWindowHeight();
	for (int x = 0; x < width; ++x)
		for (int y = 0; y < height; ++y)
			if (std::rand() % starRarity == 0)
				m_engine->setBackgroundPixel(x, y, starColour);
}

void StateLevel::drawHeader()
{
	FontEntry* font = m_engine->getFont(gameFont, headerFontSize);
	const int width = m_engine->getWidth();
	m_engine->drawBackgroundString(livesLabelX, headerY, "LIVES:", headerLabelColour, font);
	m_engine->drawBackgroundString(width / 2 - nameOffsetFromCentre, headerY, m_playerName ? m_playerName : "",
		playerNameColour, font);
	m_engine->drawBackgroundString(width - scoreLabelOffsetFromRight, headerY, "SCORE:", headerLabelColour, font);
}

void StateLevel::installFilter(FilterPoints* filter)
{
	m_engine->getBackgroundSurface()->setFilter(filter);
	m_engine->getForegroundSurface()->setFilter(filter);
}

void StateLevel::detachOwnFilter()
{
	PixelSurface* surfaces[] = {m_engine->getBackgroundSurface(), m_engine->getForegroundSurface(),
		m_engine->getOwnBackgroundSurface()};
	for (PixelSurface* surface : surfaces)
		if (surface != nullptr && surface->getFilter() == &m_translation)
			surface->setFilter(nullptr);
}

// ---------------------------------------------------------------- input

void StateLevel::mouseMoved(int x, int y)
{
	(void)x;
	(void)y;
}

void StateLevel::mouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
}

void StateLevel::keyDown(int key)
{
	switch (key)
	{
	case SDLK_p:
		pause(); // the pause screen is current now; this level lives on under it
		return;
	case SDLK_RIGHT:
		if (m_ship != nullptr)
			m_ship->moveRight();
		return;
	case SDLK_LEFT:
		if (m_ship != nullptr)
			m_ship->moveLeft();
		return;
	case SDLK_SPACE:
		fireLaser();
		return;
	default:
		return;
	}
}

// One laser at a time: space does nothing while the laser's slot is taken.
void StateLevel::fireLaser()
{
	if (m_ship == nullptr || m_engine->getObjectAt(laserSlot) != nullptr)
		return;
	m_engine->setObjectAt(laserSlot, new Laser(m_engine, m_ship->getX() + laserOffsetX, m_ship->getY()));
}

// Releasing one arrow stops the ship only if that arrow is still the one it follows.
void StateLevel::keyUp(int key)
{
	if (m_ship == nullptr)
		return;
	if (key == SDLK_RIGHT && m_ship->getHorizontalDirection() == SpaceShip::right)
		m_ship->setHorizontalDirection(SpaceShip::still);
	else if (key == SDLK_LEFT && m_ship->getHorizontalDirection() == SpaceShip::left)
		m_ship->setHorizontalDirection(SpaceShip::still);
}

// ---------------------------------------------------------------- tick

void StateLevel::beforeUpdate()
{
	m_engine->requestFullRedraw();
	setEntryVisible(pauseImageSlot, false);
	setEntryVisible(savedImageSlot, false);
	++m_tickCounter;
	turnAsteroids();
	flashTitle();
	if (checkLives())
		return; // game over: the level is gone
	runEnding(); // may replace (and delete) the level: nothing may follow
}

void StateLevel::setEntryVisible(int index, bool visible)
{
	DisplayableObject* object = m_engine->getObjectAt(index);
	if (object != nullptr)
		object->setVisible(visible);
}

void StateLevel::turnAsteroids()
{
	const int t = m_engine->getGameTime() / rotationTimeDivisor;
	for (int i = 0; i < rotationCount; ++i)
		m_rotations[i].setRotation(t / rotationDivisors[i]);
}

// The title is switched every 19 ticks, ten times: shown five times, hidden at the end.
void StateLevel::flashTitle()
{
	if (m_tickCounter <= titleTicksPerToggle || m_titleToggles >= titleToggleCount)
		return;
	setEntryVisible(titleImageSlot, !m_titleShown);
	m_tickCounter = 0;
	++m_titleToggles;
	m_titleShown = !m_titleShown;
}

bool StateLevel::checkLives()
{
	if (m_lives >= lifeIconCount)
		return false;
	// Hide one icon per life lost, from the last icon backwards.
	for (int i = lifeIconCount - 1; i >= 0 && i >= m_lives; --i)
		setEntryVisible(firstLifeIconSlot + i, false);
	if (m_lives >= 0)
		return false;
	gameOver();
	return true;
}

void StateLevel::gameOver()
{
	installFilter(nullptr);
	StateEnd* end = new StateEnd(m_engine, false);
	m_engine->changeState(end, TV4Engine::redrawBackgroundThenObjects, losingTrack, true);
}

bool StateLevel::runEnding()
{
	if (m_killed <= m_killTarget)
		return false;
	++m_endingTicks;
	if (m_endingTicks < endingTickCount)
	{
		// Everything drawn through the filters climbs while the background copy stays.
		m_engine->fadeOutMusic();
		m_translation.changeOffset(0, endingScrollStep);
		return false;
	}
	installFilter(nullptr);
	levelComplete();
	return true;
}

// ---------------------------------------------------------------- leaving

void StateLevel::onShutdown()
{
	m_engine->removeAllObjects(true);
	m_objectsBuilt = false;
	m_ship = nullptr;
}

void StateLevel::pauseLevel()
{
	m_engine->setLevel(m_levelNumber);
	m_engine->setLives(m_lives);
	m_engine->setScore(m_score);
	if (m_ship != nullptr)
		m_engine->setShipPosition(m_ship->getX(), m_ship->getY());
	StatePause* pauseScreen = new StatePause(m_engine, this);
	m_engine->changeState(pauseScreen, TV4Engine::redrawNone, TV4Engine::noTrack, false);
}
