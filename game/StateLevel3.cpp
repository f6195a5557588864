#include "StateLevel3.h"

#include "StateEnd.h"
#include "TV4Engine.h"

namespace
{
const int killTarget = 24;
const int levelNumber = 3;
const int slotCount = 45;
const unsigned int winningTrack = 6;
const char* const titleImage = "images/Level3Image.png";
const int alienW = 60;
const int alienH = 40;
const int alienPoints = 10;
} // namespace

StateLevel3::StateLevel3(TV4Engine* engine) : StateLevel(engine)
{
	takePlayerData(killTarget, levelNumber);
}

void StateLevel3::createObjects()
{
	const int w = m_engine->getWidth();
	const AsteroidRow asteroids[] = {
		{0, "images/HandDrawnAsteroidBrownMedium.png", 35, 480, 1},
		{4, "images/HandDrawnAsteroid.png", w - 20, 400, 2},
	};
	const char* const a1 = "images/Alien1.png";
	const char* const a2 = "images/Alien2.png";
	// Three wide sweepers, then pairs that mirror each other about the window's centre line.
	const AlienRow aliens[] = {
		{a1, 1, 50, alienW, alienH, 5, 2000, alienPoints},
		{a1, 1, 50, alienW, alienH, 5, 3800, alienPoints},
		{a1, 1, 50, alienW, alienH, 5, 5600, alienPoints},
		{a2, 1, 0, alienW, alienH, 6, 10000, alienPoints},
		{a2, w - 61, 0, alienW, alienH, 7, 10500, alienPoints},
		{a1, 51, 50, alienW, alienH, 8, 12000, alienPoints},
		{a1, w - 111, 50, alienW, alienH, 9, 12000, alienPoints},
		{a2, 51, 50, alienW, alienH, 8, 14000, alienPoints},
		{a2, w - 111, 50, alienW, alienH, 9, 14000, alienPoints},
		{a1, 1, 0, alienW, alienH, 6, 16000, alienPoints},
		{a2, w - 61, 0, alienW, alienH, 7, 16500, alienPoints},
		{a1, 1, 0, alienW, alienH, 6, 17000, alienPoints},
		{a2, w - 61, 0, alienW, alienH, 7, 17500, alienPoints},
		{a1, 1, 0, alienW, alienH, 6, 18000, alienPoints},
		{a2, w - 61, 0, alienW, alienH, 7, 18500, alienPoints},
		{a1, 1, 0, alienW, alienH, 6, 19000, alienPoints},
		{a2, w - 61, 0, alienW, alienH, 7, 19500, alienPoints},
		{a2, w / 2 - 230, 0, alienW, alienH, 6, 21000, alienPoints},
		{a2, w / 2 + 170, 0, alienW, alienH, 7, 21000, alienPoints},
		{a1, 51, 150, alienW, alienH, 8, 22000, alienPoints},
		{a1, w - 111, 150, alienW, alienH, 9, 22500, alienPoints},
		{a1, 51, 150, alienW, alienH, 8, 23000, alienPoints},
		{a1, w - 111, 150, alienW, alienH, 9, 23500, alienPoints},
		{a1, 51, 150, alienW, alienH, 8, 24000, alienPoints},
		{a1, w - 111, 150, alienW, alienH, 9, 24500, alienPoints},
	};
	buildObjects(slotCount, asteroids, static_cast<int>(sizeof asteroids / sizeof asteroids[0]), titleImage, aliens,
		static_cast<int>(sizeof aliens / sizeof aliens[0]));
}

// The last level: the winning screen follows; the engine keeps the score and lives it last stored.
void StateLevel3::levelComplete()
{
	StateEnd* end = new StateEnd(m_engine, true);
	m_engine->changeState(end, TV4Engine::redrawBackgroundThenObjects, winningTrack, true);
}

void StateLevel3::pause()
{
	pauseLevel();
}
