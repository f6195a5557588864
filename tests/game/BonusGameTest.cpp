#include <gtest/gtest.h>

#include <SDL.h>

#include "AlienBonus.h"
#include "EngineHarness.h"
#include "ImageObject.h"
#include "PixelSurface.h"
#include "SpaceShipBonus.h"
#include "StarLayers.h"
#include "StateBonusGame.h"
#include "StateStart.h"
#include "TV4Engine.h"
#include "TimeObject.h"

namespace
{
const int bonusTrack = 5;
const int menuBonusButtonX = 890;
const int menuBonusButtonY = 590;
const int shipHalf = 77 / 2;
const unsigned int headerColour = 0xff4500;
const int ticksToExplode = 48;

class BonusGameTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		harness.step();
		// From the menu, as the player does: a left click on the bonus-game button.
		harness.click(menuBonusButtonX, menuBonusButtonY);
		ASSERT_NE(nullptr, bonus());
	}

	void TearDown() override { closeEngine(); }

	void closeEngine()
	{
		if (!m_closed)
			engine.deinitialise();
		m_closed = true;
	}

	StateBonusGame* bonus() { return dynamic_cast<StateBonusGame*>(engine.getCurrentState()); }
	SpaceShipBonus* ship() { return bonus()->getShip(); }
	AlienBonus* alien(int index) { return dynamic_cast<AlienBonus*>(engine.getObjectAt(2 + index)); }

	// Puts the ship so that its centre lies at (cx, cy).
	void placeShipCentre(int cx, int cy) { ship()->setPosition(cx - shipHalf, cy - shipHalf); }

	// Runs ticks until the ship is hit (or the limit passes); returns the ticks run.
	int runUntilShipHit(int limitTicks)
	{
		for (int tick = 1; tick <= limitTicks; ++tick)
		{
			harness.step();
			if (ship() == nullptr || ship()->isHit())
				return tick;
		}
		return -1;
	}

	TV4Engine engine;
	EngineHarness harness{engine};

private:
	bool m_closed = false;
};
} // namespace

TEST_F(BonusGameTest, SetUpPlacesShipAliensClockAndBackButtonAtTheirEntries)
{
	ASSERT_NE(nullptr, bonus());
	EXPECT_EQ(static_cast<unsigned int>(bonusTrack), engine.getMusicTrack());
	ASSERT_EQ(11, engine.getObjectCount());
	EXPECT_EQ(nullptr, engine.getObjectAt(0));
	EXPECT_EQ(nullptr, engine.getObjectAt(10));
	ASSERT_NE(nullptr, ship());
	EXPECT_EQ(450, ship()->getX());
	EXPECT_EQ(300, ship()->getY());
	const int alienPositions[StateBonusGame::alienCount][2] = {
		{50, 50}, {940, 50}, {101, 100}, {101, 600}, {101, 101}, {840, 599}};
	for (int i = 0; i < StateBonusGame::alienCount; ++i)
	{
		ASSERT_NE(nullptr, alien(i)) << "alien " << i;
		EXPECT_EQ(alienPositions[i][0], alien(i)->getX()) << "alien " << i;
		EXPECT_EQ(alienPositions[i][1], alien(i)->getY()) << "alien " << i;
		EXPECT_FALSE(alien(i)->isVisible()) << "alien " << i << " shows before its delay";
	}
	EXPECT_NE(nullptr, dynamic_cast<TimeObject*>(engine.getObjectAt(8)));
	ImageObject* back = dynamic_cast<ImageObject*>(engine.getObjectAt(9));
	ASSERT_NE(nullptr, back);
	EXPECT_EQ(20, back->getLeftEdge());
	EXPECT_EQ(580, back->getTopEdge());
	EXPECT_TRUE(ship()->getImage().isLoaded());
}

TEST_F(BonusGameTest, ArrowKeysSteerTheShipInFourDirectionsAndDiagonally)
{
	harness.pushKeyDown(SDLK_RIGHT);
	harness.pushKeyDown(SDLK_DOWN);
	harness.runFor(100);
	EXPECT_EQ(450 + 40, ship()->getX());
	EXPECT_EQ(300 + 40, ship()->getY());

	// Releasing the opposite arrow stops nothing; releasing the moving one stops that axis only.
	harness.pushKeyUp(SDLK_LEFT);
	harness.pushKeyUp(SDLK_UP);
	harness.step();
	EXPECT_EQ(450 + 44, ship()->getX());
	EXPECT_EQ(300 + 44, ship()->getY());
	harness.pushKeyUp(SDLK_RIGHT);
	harness.step();
	EXPECT_EQ(450 + 44, ship()->getX());
	EXPECT_EQ(300 + 48, ship()->getY());

	harness.pushKeyUp(SDLK_DOWN);
	harness.pushKeyDown(SDLK_LEFT);
	harness.pushKeyDown(SDLK_UP);
	harness.runFor(50);
	EXPECT_EQ(450 + 44 - 20, ship()->getX());
	EXPECT_EQ(300 + 48 - 20, ship()->getY());
	harness.pushKeyUp(SDLK_LEFT);
	harness.pushKeyUp(SDLK_UP);
	harness.pushKeyDown(SDLK_SPACE);
	harness.runFor(50);
	EXPECT_EQ(int{SpaceShip::still}, ship()->getHorizontalDirection());
	EXPECT_EQ(SpaceShipBonus::still, ship()->getVerticalDirection());
}

TEST_F(BonusGameTest, ShipStopsAtItsBounds)
{
	ship()->setPosition(914, 612);
	harness.pushKeyDown(SDLK_RIGHT);
	harness.pushKeyDown(SDLK_DOWN);
	harness.runFor(100);
	EXPECT_EQ(922, ship()->getX());
	EXPECT_EQ(620, ship()->getY());
	harness.pushKeyDown(SDLK_LEFT);
	harness.pushKeyDown(SDLK_UP);
	ship()->setPosition(6, 8);
	harness.runFor(100);
	EXPECT_EQ(-2, ship()->getX());
	EXPECT_EQ(0, ship()->getY());
}

TEST_F(BonusGameTest, AliensWaitHiddenForTheirDelayAndStandStillWhileTimeStandsStill)
{
	ship()->setPosition(0, 600);
	harness.runFor(1900);
	EXPECT_FALSE(alien(0)->isVisible());
	EXPECT_EQ(50, alien(0)->getX());
	harness.runFor(200);
	EXPECT_TRUE(alien(0)->isVisible());
	EXPECT_FALSE(alien(1)->isVisible());
	EXPECT_LT(alien(0)->getX(), 50);
	EXPECT_GT(alien(0)->getY(), 50);

	engine.pause();
	harness.step();
	const int pausedX = alien(0)->getX();
	const int pausedY = alien(0)->getY();
	harness.runFor(100);
	EXPECT_FALSE(alien(0)->isVisible());
	EXPECT_EQ(pausedX, alien(0)->getX());
	EXPECT_EQ(pausedY, alien(0)->getY());
	engine.unpause();
	harness.runFor(20);
	EXPECT_TRUE(alien(0)->isVisible());
	EXPECT_NE(pausedY, alien(0)->getY());
}

TEST_F(BonusGameTest, ChasersHeadForTheShipsCornerAndSweepersTurnNearTheEdges)
{
	ship()->setPosition(450, 300);
	AlienBonus* chaser = alien(0);
	chaser->moveChase();
	EXPECT_EQ(52, chaser->getX());
	EXPECT_EQ(52, chaser->getY());
	chaser->setPosition(450, 400);
	chaser->moveChase();
	EXPECT_EQ(448, chaser->getX());
	EXPECT_EQ(398, chaser->getY());
	AlienBonus* fastChaser = alien(1);
	fastChaser->moveChaseFast();
	EXPECT_EQ(937, fastChaser->getX());
	EXPECT_EQ(52, fastChaser->getY());

	// Keep the ship out of the sweepers' way.
	ship()->setPosition(0, 0);
	AlienBonus* horizontal = alien(2);
	while (horizontal->getDirection() == 1)
		horizontal->moveSweepHorizontal();
	EXPECT_EQ(905, horizontal->getX());
	while (horizontal->getDirection() == -1)
		horizontal->moveSweepHorizontal();
	EXPECT_EQ(95, horizontal->getX());

	AlienBonus* vertical = alien(5);
	vertical->moveSweepVertical();
	EXPECT_EQ(605, vertical->getY());
	EXPECT_EQ(-1, vertical->getDirection());
	EXPECT_FALSE(ship()->isHit());
}

TEST_F(BonusGameTest, AlienTouchesTheShipWithItsBottomEdge)
{
	AlienBonus* a = alien(2);
	a->setPosition(200, 200);
	// For a 60 by 40 alien the ship's centre must lie within x - 30 .. x + 90 and y + 20 .. y + 60.
	const int cases[][3] = {
		{170, 220, 1}, {290, 260, 1}, {230, 240, 1},
		{169, 220, 0}, {291, 260, 0}, {230, 219, 0}, {230, 261, 0},
	};
	for (const auto& c : cases)
	{
		ship()->setHit(false);
		placeShipCentre(c[0], c[1]);
		a->checkShipHit();
		EXPECT_EQ(c[2] == 1, ship()->isHit()) << "ship centre " << c[0] << "," << c[1];
	}
	ship()->setHit(false);
}

TEST_F(BonusGameTest, PlayedUntilHitTheClockStopsAndTheShipExplodesAway)
{
	// The ship waits at its start; the first chaser enters after 2.025 s and reaches it.
	// Until then the clock counts 10 per tick.
	const int start = bonus()->getElapsed();
	const int hitTick = runUntilShipHit(1000);
	ASSERT_GT(hitTick, 200);
	const int survived = bonus()->getElapsed();
	EXPECT_EQ(start + 10 * hitTick, survived);
	// Further touches during the explosion change nothing.
	alien(0)->checkShipHit();

	for (int tick = 1; tick < ticksToExplode; ++tick)
	{
		harness.step();
		ASSERT_NE(nullptr, ship()) << "gone after " << tick << " ticks";
	}
	harness.step();
	EXPECT_EQ(nullptr, engine.getObjectAt(1));
	EXPECT_EQ(survived, bonus()->getElapsed());

	// Without the ship: keys do nothing, the chaser stands still, the clock stays, the stars go on.
	const int chaserX = alien(0)->getX();
	const int chaserY = alien(0)->getY();
	harness.pushKeyDown(SDLK_RIGHT);
	harness.pushKeyDown(SDLK_UP);
	harness.runFor(200);
	harness.pushKeyUp(SDLK_RIGHT);
	harness.runFor(50);
	EXPECT_EQ(chaserX, alien(0)->getX());
	EXPECT_EQ(chaserY, alien(0)->getY());
	EXPECT_TRUE(alien(0)->isVisible());
	EXPECT_EQ(survived, bonus()->getElapsed());
	EXPECT_EQ(nullptr, engine.getObjectAt(1));
}

TEST_F(BonusGameTest, HeaderIsOnEveryLayerFromItsSecondVisit)
{
	// A whole cycle (1 to 6 and back) is 10 layer changes of 7 ticks, after the first 6 ticks.
	harness.runFor(10 * (6 + 70 + 14));
	const StarLayers& layers = bonus()->getStarLayers();
	for (int n = 1; n <= StarLayers::layerCount; ++n)
	{
		int orange = 0;
		PixelSurface* layer = layers.getLayer(n);
		for (int y = 10; y < 50; ++y)
			for (int x = 770; x < 1000; ++x)
				orange += (layer->getPixel(x, y) & 0xFFFFFFu) == headerColour;
		EXPECT_GT(orange, 50) << "layer " << n;
	}
}

TEST_F(BonusGameTest, BackButtonReturnsToTheMenuAndOtherClicksDoNothing)
{
	harness.runFor(100);
	harness.click(25, 585, SDL_BUTTON_RIGHT);
	harness.click(500, 100);
	ASSERT_NE(nullptr, bonus());
	harness.click(25, 585);
	EXPECT_NE(nullptr, dynamic_cast<StateStart*>(engine.getCurrentState()));
	EXPECT_EQ(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface());
	EXPECT_EQ(0u, engine.getMusicTrack());
	harness.runFor(50);
}

TEST_F(BonusGameTest, ClosingTheWindowDuringTheGameLeavesNoPointerIntoIt)
{
	harness.runFor(100);
	harness.pushQuit();
	EXPECT_FALSE(harness.step());
	closeEngine();
	EXPECT_EQ(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface());
}
