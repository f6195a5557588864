#include <gtest/gtest.h>

#include "Alien.h"
#include "Laser.h"
#include "LevelFixture.h"
#include "NoDragMappableImageObject.h"
#include "SpaceShip.h"
#include "StateEnd.h"
#include "StateLevel1.h"
#include "StateLevel2.h"
#include "StateLevel3.h"
#include "StatePause.h"
#include "StateStart.h"

namespace
{
// A level whose aliens can all be counted as killed at once, to reach its ending.
template <typename Level>
class ClearableLevel : public Level
{
public:
	explicit ClearableLevel(TV4Engine* engine) : Level(engine) {}
	void killEveryAlien() { this->m_killed = this->m_killTarget + 1; }
};

const unsigned int headerOrange = 0xff4500;

class LevelTest : public LevelFixture
{
protected:
	void expectEmpty(int from, int to)
	{
		for (int i = from; i <= to; ++i)
			EXPECT_EQ(nullptr, engine.getObjectAt(i)) << "entry " << i;
	}
	void expectAliens(int from, int to)
	{
		for (int i = from; i <= to; ++i)
			EXPECT_NE(nullptr, dynamic_cast<Alien*>(engine.getObjectAt(i))) << "entry " << i;
	}
	void expectCentre(int slot, int x, int y)
	{
		DisplayableObject* asteroid = engine.getObjectAt(slot);
		ASSERT_NE(nullptr, dynamic_cast<NoDragMappableImageObject*>(asteroid)) << "slot " << slot;
		EXPECT_EQ(x, asteroid->getX()) << "slot " << slot;
		EXPECT_EQ(y, asteroid->getY()) << "slot " << slot;
	}
	SpaceShip* ship() { return dynamic_cast<SpaceShip*>(engine.getObjectAt(StateLevel::shipSlot)); }
	bool entryVisible(int slot) { return engine.getObjectAt(slot)->isVisible(); }
	// Holds a key down for the given number of passes, then releases it.
	void holdKey(SDL_Keycode key, int passes)
	{
		harness.pushKeyDown(key);
		ticks(passes);
		harness.pushKeyUp(key);
		harness.step();
	}
};
} // namespace

TEST_F(LevelTest, LevelOneLaysOutItsListByTheSlotScheme)
{
	enter(new StateLevel1(&engine));
	ASSERT_EQ(53, engine.getObjectCount());
	expectCentre(0, 50, 330);
	expectCentre(1, 50, 650);
	expectEmpty(2, 2);
	expectCentre(3, 950, 350);
	expectCentre(4, 950, 650);
	ASSERT_NE(nullptr, ship());
	EXPECT_EQ(450, ship()->getX());
	EXPECT_EQ(594, ship()->getY());
	EXPECT_FALSE(entryVisible(StateLevel::pauseImageSlot));
	EXPECT_FALSE(entryVisible(StateLevel::titleImageSlot));
	EXPECT_FALSE(entryVisible(StateLevel::savedImageSlot));
	expectEmpty(13, 39);
	expectAliens(40, 51);
	expectEmpty(52, 52);
	EXPECT_EQ(800, engine.getObjectAt(51)->getX());
	EXPECT_EQ(2u, engine.getMusicTrack());
}

TEST_F(LevelTest, LevelsTwoAndThreeLayOutTheirLists)
{
	enter(new StateLevel2(&engine), 3);
	ASSERT_EQ(65, engine.getObjectCount());
	expectCentre(0, 50, 230);
	expectCentre(2, 50, 580);
	expectCentre(4, 950, 520);
	expectEmpty(13, 44);
	expectAliens(45, 63);
	expectEmpty(64, 64);

	engine.changeState(new StateLevel3(&engine), TV4Engine::redrawObjectsThenBackground, 4, true);
	ASSERT_EQ(71, engine.getObjectCount());
	expectCentre(0, 50, 480);
	expectEmpty(1, 3);
	expectCentre(4, 950, 400);
	expectEmpty(13, 44);
	expectAliens(45, 69);
	expectEmpty(70, 70);
	EXPECT_EQ(270, engine.getObjectAt(62)->getX());
	EXPECT_EQ(670, engine.getObjectAt(63)->getX());
}

TEST_F(LevelTest, ArrowsMoveTheShipWithinItsRange)
{
	enter(new StateLevel1(&engine));
	holdKey(SDLK_RIGHT, 200);
	EXPECT_EQ(802, ship()->getX());
	holdKey(SDLK_LEFT, 300);
	EXPECT_EQ(98, ship()->getX());

	// Right, then left, then right released: the ship keeps going left.
	harness.pushKeyDown(SDLK_RIGHT);
	ticks(10);
	harness.pushKeyDown(SDLK_LEFT);
	harness.step();
	harness.pushKeyUp(SDLK_RIGHT);
	harness.step();
	const int x = ship()->getX();
	ticks(5);
	EXPECT_EQ(x - 20, ship()->getX());
	harness.pushKeyUp(SDLK_LEFT);
	ticks(5);
	EXPECT_EQ(SpaceShip::still, ship()->getHorizontalDirection());
}

TEST_F(LevelTest, SpaceFiresOneLaserAtATimeFromTheShip)
{
	enter(new StateLevel1(&engine));
	harness.pushKeyDown(SDLK_SPACE);
	harness.pushKeyUp(SDLK_SPACE);
	harness.step();
	Laser* laser = dynamic_cast<Laser*>(engine.getObjectAt(StateLevel::laserSlot));
	ASSERT_NE(nullptr, laser);
	EXPECT_EQ(498, laser->getX());
	EXPECT_EQ(584, laser->getY()) << "fired at the ship's top and risen once";

	harness.tapKey(SDLK_SPACE); // two more passes
	EXPECT_EQ(laser, engine.getObjectAt(StateLevel::laserSlot)) << "no second laser while one flies";

	// 58 updates in all take it to y 14, where it removes itself; nothing else moves.
	ticks(58 - 3 - 1);
	EXPECT_EQ(laser, engine.getObjectAt(StateLevel::laserSlot));
	harness.step();
	EXPECT_EQ(nullptr, engine.getObjectAt(StateLevel::laserSlot));
	EXPECT_EQ(53, engine.getObjectCount());
	harness.tapKey(SDLK_SPACE);
	EXPECT_NE(nullptr, dynamic_cast<Laser*>(engine.getObjectAt(StateLevel::laserSlot)));
}

TEST_F(LevelTest, TitleFlashesFiveTimesAtTheStart)
{
	enter(new StateLevel1(&engine));
	int shownTicks = 0;
	int switches = 0;
	bool last = false;
	for (int tick = 1; tick <= 400; ++tick)
	{
		harness.step();
		const bool shown = entryVisible(StateLevel::titleImageSlot);
		if (tick < 19)
		{
			ASSERT_FALSE(shown) << tick;
		}
		shownTicks += shown ? 1 : 0;
		switches += shown != last ? 1 : 0;
		last = shown;
	}
	EXPECT_EQ(5 * 19, shownTicks);
	EXPECT_EQ(10, switches);
	EXPECT_FALSE(last);
}

TEST_F(LevelTest, HeaderAndShipAreDrawn)
{
	engine.setPlayerName("zed");
	enter(new StateLevel1(&engine));
	harness.step();
	EXPECT_GT(harness.countForegroundPixels(10, 10, 120, 35, headerOrange), 0) << "LIVES:";
	EXPECT_GT(harness.countForegroundPixels(870, 10, 130, 35, headerOrange), 0) << "SCORE:";
	EXPECT_GT(harness.countForegroundPixels(450, 10, 100, 35, 0xffffff), 0) << "the player's name";
	EXPECT_GT(harness.countForegroundPixels(900, 50, 100, 35, 0xffffff), 0) << "the score's number";
	EXPECT_LT(harness.countForegroundPixels(450, 594, 106, 106, 0), 106 * 106) << "the ship";
}

TEST_F(LevelTest, LostLivesHideTheIconsUntilTheGameIsLost)
{
	engine.setLives(1);
	enterScripted({{"images/Alien1.png", 500, 600, 60, 40, 6, 0, 10}, {"images/Alien1.png", 300, 600, 60, 40, 6, 500, 10}});
	ticks(20);
	EXPECT_EQ(0, currentLevel()->getLives());
	for (int i = 0; i < StateLevel::lifeIconCount; ++i)
		EXPECT_FALSE(entryVisible(StateLevel::firstLifeIconSlot + i));

	ticks(60);
	StateEnd* end = dynamic_cast<StateEnd*>(engine.getCurrentState());
	ASSERT_NE(nullptr, end);
	EXPECT_FALSE(end->isWon());
	EXPECT_EQ(7u, engine.getMusicTrack());
	EXPECT_EQ(nullptr, engine.getForegroundSurface()->getFilter());
	EXPECT_EQ(nullptr, engine.getBackgroundSurface()->getFilter());
}

TEST_F(LevelTest, ClearedLevelScrollsAwayThenTheNextLevelStarts)
{
	engine.setShipPosition(300, 650);
	auto* level = enter(new ClearableLevel<StateLevel1>(&engine));
	holdKey(SDLK_RIGHT, 20);
	level->killEveryAlien();
	ticks(249);
	ASSERT_EQ(level, engine.getCurrentState());
	EXPECT_EQ(-996, level->getTranslationFilter()->getYOffset());
	const int score = level->getScore();
	const int lives = level->getLives();

	harness.step();
	ASSERT_NE(nullptr, dynamic_cast<StateLevel2*>(engine.getCurrentState()));
	EXPECT_EQ(3u, engine.getMusicTrack());
	EXPECT_EQ(score, engine.getScore());
	EXPECT_EQ(lives, engine.getLives());
	EXPECT_EQ(300, ship()->getX()) << "the next ship starts from the stored position";
	EXPECT_EQ(currentLevel()->getTranslationFilter(), engine.getForegroundSurface()->getFilter());
	EXPECT_EQ(0, currentLevel()->getTranslationFilter()->getYOffset());
}

TEST_F(LevelTest, ClearingLevelThreeShowsTheWinningScreen)
{
	auto* level = enter(new ClearableLevel<StateLevel3>(&engine), 4);
	level->killEveryAlien();
	ticks(250);
	StateEnd* end = dynamic_cast<StateEnd*>(engine.getCurrentState());
	ASSERT_NE(nullptr, end);
	EXPECT_TRUE(end->isWon());
	EXPECT_EQ(6u, engine.getMusicTrack());
	EXPECT_EQ(nullptr, engine.getForegroundSurface()->getFilter());
}

TEST_F(LevelTest, PauseHandsTheLevelToThePauseScreenAndResumes)
{
	StateLevel* level = enter(new StateLevel2(&engine), 3);
	holdKey(SDLK_LEFT, 10);
	const int shipX = ship()->getX();
	harness.tapKey(SDLK_p);
	StatePause* pause = dynamic_cast<StatePause*>(engine.getCurrentState());
	ASSERT_NE(nullptr, pause);
	EXPECT_EQ(level, pause->getPausedLevel());
	EXPECT_EQ(2, engine.getLevel());
	EXPECT_EQ(shipX, engine.getShipX());
	EXPECT_EQ(594, engine.getShipY());
	EXPECT_TRUE(entryVisible(StateLevel::pauseImageSlot));
	EXPECT_EQ(3u, engine.getMusicTrack()) << "the music goes on";

	const int frozen = engine.getGameTime();
	ticks(100);
	EXPECT_EQ(frozen, engine.getGameTime());
	harness.tapKey(SDLK_p);
	EXPECT_EQ(level, engine.getCurrentState());
	ticks(2);
	EXPECT_FALSE(entryVisible(StateLevel::pauseImageSlot));
	EXPECT_GT(engine.getGameTime(), frozen);
	EXPECT_LE(engine.getGameTime(), frozen + 40) << "the game time goes on from where it stopped";
}

TEST_F(LevelTest, GivingUpFromPauseLeavesNothingOfTheLevel)
{
	enter(new StateLevel1(&engine));
	harness.tapKey(SDLK_SPACE);
	harness.tapKey(SDLK_p);
	harness.tapKey(SDLK_q);
	ASSERT_NE(nullptr, dynamic_cast<StateStart*>(engine.getCurrentState()));
	EXPECT_EQ(nullptr, engine.getForegroundSurface()->getFilter());
	EXPECT_EQ(nullptr, engine.getBackgroundSurface()->getFilter());
	for (int i = 0; i < engine.getObjectCount(); ++i)
	{
		EXPECT_EQ(nullptr, dynamic_cast<Alien*>(engine.getObjectAt(i))) << i;
		EXPECT_EQ(nullptr, dynamic_cast<Laser*>(engine.getObjectAt(i))) << i;
	}
	ticks(10);
}
