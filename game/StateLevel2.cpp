#include "StateLevel2.h"

#include "StateLevel3.h"
#include "TV4Engine.h"

namespace
{
const int killTarget = 18;
const int levelNumber = 2;
const int slotCount = 45;
const unsigned int nextLevelTrack = 4;
const char* const titleImage = "images/Level2Image.png";
} // namespace

StateLevel2::StateLevel2(TV4Engine* engine) : StateLevel(engine)
{
	takePlayerData(killTarget, levelNumber);
}

void StateLevel2::createObjects()
{
	const int w = m_engine->getWidth();
	const AsteroidRow asteroids[] = {
		{0, "images/HandDrawnAsteroidMedium.png", 35, 230, 2},
		{1, "images/HandDrawnAsteroidBrown.png", 60, 640, 1},
		{2, "images/HandDrawnAsteroid.png", 40, 580, 0},
		{3, "images/HandDrawnAsteroidBrownMedium.png", w - 50, 450, 0},
		{4, "images/HandDrawnAsteroid.png", w - 20, 520, 2},
	};
	// Seven mirrored pairs entering from both sides, then four sweepers and a fast one.
	const AlienRow aliens[] = {
		{"images/Alien1.png", 50, 450, 60, 40, 3, 2000, 10},
		{"images/Alien1.png", w - 110, 450, 60, 40, 4, 2015, 10},
		{"images/Alien2.png", 50, 450, 60, 40, 3, 3000, 20},
		{"images/Alien2.png", w - 110, 450, 60, 40, 4, 3015, 20},
		{"images/Alien1.png", 50, 450, 60, 40, 3, 4000, 10},
		{"images/Alien1.png", w - 110, 450, 60, 40, 4, 4015, 10},
		{"images/Alien2.png", 50, 450, 60, 40, 3, 5000, 20},
		{"images/Alien2.png", w - 110, 450, 60, 40, 4, 5015, 20},
		{"images/Alien2.png", 50, 450, 60, 40, 3, 9500, 20},
		{"images/Alien2.png", w - 110, 450, 60, 40, 4, 10000, 20},
		{"images/Alien2.png", 50, 450, 60, 40, 3, 10500, 20},
		{"images/Alien2.png", w - 110, 450, 60, 40, 4, 11000, 20},
		{"images/Alien2.png", 50, 450, 60, 40, 3, 11500, 20},
		{"images/Alien2.png", w - 110, 450, 60, 40, 4, 12000, 20},
		{"images/Alien2.png", 250, 50, 60, 40, 1, 12500, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 14500, 10},
		{"images/Alien2.png", 250, 50, 60, 40, 1, 15500, 10},
		{"images/Alien1.png", 250, 50, 60, 40, 1, 16500, 10},
		{"images/Alien3.png", w - 200, 50, 52, 52, 2, 20000, 50},
	};
	buildObjects(slotCount, asteroids, static_cast<int>(sizeof asteroids / sizeof asteroids[0]), titleImage, aliens,
		static_cast<int>(sizeof aliens / sizeof aliens[0]));
}

// Score and lives go on to level 3; the ship starts from the engine's stored position.
void StateLevel2::levelComplete()
{
	m_engine->setScoreAndLives(m_score, m_lives);
	StateLevel3* next = new StateLevel3(m_engine);
	m_engine->changeState(next, TV4Engine::redrawObjectsThenBackground, nextLevelTrack, true);
}

void StateLevel2::pause()
{
	pauseLevel();
}
