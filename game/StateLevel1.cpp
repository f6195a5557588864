#include "StateLevel1.h"

#include "StateLevel2.h"
#include "TV4Engine.h"

namespace
{
const int killTarget = 11;
const int levelNumber = 1;
const int slotCount = 40;
const unsigned int nextLevelTrack = 3;
const char* const titleImage = "images/Level1Image.png";
} // namespace

StateLevel1::StateLevel1(TV4Engine* engine) : StateLevel(engine)
{
	takePlayerData(killTarget, levelNumber);
}

void StateLevel1::createObjects()
{
	const int w = m_engine->getWidth();
	const AsteroidRow asteroids[] = {
		{0, "images/HandDrawnAsteroid.png", 50, 330, 0},
		{1, "images/HandDrawnAsteroidBrownMedium.png", 20, 680, 1},
		{3, "images/HandDrawnAsteroidBrown.png", w - 40, 350, 1},
		{4, "images/HandDrawnAsteroidMedium.png", w - 20, 655, 2},
	};
	const AlienRow aliens[] = {
		{"images/Alien1.png", 250, 50, 60, 40, 1, 2025, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 3050, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 4075, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 5100, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 6125, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 7150, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 8175, 10},
		{"images/Alien2.png", 250, 50, 60, 40, 1, 8600, 15},
		{"images/Alien2.png", 250, 50, 60, 40, 1, 9100, 15},
		{"images/Alien2.png", 250, 50, 60, 40, 1, 10600, 15},
		{"images/Alien2.png", 250, 50, 60, 40, 1, 10100, 15},
		{"images/Alien3.png", w - 200, 50, 52, 52, 2, 15000, 50},
	};
	buildObjects(slotCount, asteroids, static_cast<int>(sizeof asteroids / sizeof asteroids[0]), titleImage, aliens,
		static_cast<int>(sizeof aliens / sizeof aliens[0]));
}

// Score and lives go on to level 2; the ship starts from the engine's stored position.
void StateLevel1::levelComplete()
{
	m_engine->setScoreAndLives(m_score, m_lives);
	StateLevel2* next = new StateLevel2(m_engine);
	m_engine->changeState(next, TV4Engine::redrawObjectsThenBackground, nextLevelTrack, true);
}

void StateLevel1::pause()
{
	pauseLevel();
}
