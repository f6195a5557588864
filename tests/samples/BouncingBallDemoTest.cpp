#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "balls/BouncingBall.h"
#include "balls/BouncingBall1.h"
#include "balls/BouncingBall2.h"
#include "balls/BouncingBallDemo.h"

namespace
{
class BouncingBallDemoTest : public SampleEngineTest<BouncingBallDemo>
{
protected:
	BouncingBallDemoTest() : SampleEngineTest<BouncingBallDemo>(31, true) {}

	int mapTotal()
	{
		int total = 0;
		for (int column = 0; column < 10; column++)
			for (int row = 0; row < 10; row++)
				total += engine.getTileManager().getMapValue(column, row);
		return total;
	}
};
}

// Brightness 255 - d2 * 176 / 2500 at squared distance d2 from the centre of a 100-pixel
// ball; points left of the centre stay clear of the label.
TEST_F(BouncingBallDemoTest, BallsAreShadedDiscsBrightestAtTheCentre)
{
	harness.step();
	const BouncingBall2* ballC = engine.getBallC();
	EXPECT_EQ(0x0000F5u, harness.foregroundPixel(ballC->getX() - 12, ballC->getY()));
	EXPECT_EQ(0x0000C0u, harness.foregroundPixel(ballC->getX() - 30, ballC->getY()));
	EXPECT_EQ(0x00005Du, harness.foregroundPixel(ballC->getX() - 48, ballC->getY()));
	const BouncingBall2* ballB = engine.getBallB();
	EXPECT_EQ(0x00C000u, harness.foregroundPixel(ballB->getX() - 30, ballB->getY()));
	saveSampleSnapshot(harness, "balls");
}

TEST_F(BouncingBallDemoTest, APressMovesBallBToThePointer)
{
	// The press is handled before the update of the same pass.
	harness.pushMouseDown(SDL_BUTTON_RIGHT, 600, 400);
	harness.step();
	EXPECT_NEAR(600 + 1.1, engine.getBallB()->getExactX(), 1e-9);
	EXPECT_NEAR(400 + 1.0, engine.getBallB()->getExactY(), 1e-9);
}

TEST_F(BouncingBallDemoTest, AMiddlePressRebuildsTheSceneWithBallBAtItsStart)
{
	harness.runFor(500);
	harness.pushMouseDown(SDL_BUTTON_MIDDLE, 700, 100);
	harness.step();
	EXPECT_NEAR(100 + 1.1, engine.getBallB()->getExactX(), 1e-9);
	EXPECT_NEAR(100 + 1.0, engine.getBallB()->getExactY(), 1e-9);
	EXPECT_EQ(3, engine.getObjectCount());
	EXPECT_EQ(engine.getBallA(), engine.getObjectAt(0));
	harness.pushMouseUp(SDL_BUTTON_MIDDLE, 700, 100);
	harness.step();
}

TEST_F(BouncingBallDemoTest, HoldingDHidesTheBallsUntilReleased)
{
	harness.pushKeyDown(SDLK_d);
	harness.runFor(200);
	// Each frame rebuilds the balls before any is drawn.
	EXPECT_NE(0x0000C0u, harness.foregroundPixel(300 - 30, 250));
	EXPECT_NE(0x00C000u, harness.foregroundPixel(100 - 30, 100));
	harness.pushKeyUp(SDLK_d);
	harness.step();
	harness.step();
	const BouncingBall2* ballC = engine.getBallC();
	EXPECT_EQ(0x0000C0u, harness.foregroundPixel(ballC->getX() - 30, ballC->getY()));
}

TEST_F(BouncingBallDemoTest, HoldingUKeepsTheBallsAtTheirStart)
{
	harness.pushKeyDown(SDLK_u);
	harness.runFor(500);
	EXPECT_EQ(100, engine.getBallA()->getX());
	EXPECT_EQ(100, engine.getBallA()->getY());
	EXPECT_NEAR(100.0, engine.getBallB()->getExactX(), 1e-9);
	harness.pushKeyUp(SDLK_u);
	harness.runFor(500);
	EXPECT_GT(engine.getBallA()->getX(), 100);
}

TEST_F(BouncingBallDemoTest, BallARaisesTheTilesItPassesOverByOnePerUpdate)
{
	// The timetable began at set-up, so the first pass may already have found the map.
	int updatesOverMap = mapTotal();
	for (int tick = 0; tick < 300; tick++)
	{
		harness.step();
		const BouncingBall1* ballA = engine.getBallA();
		updatesOverMap += engine.getTileManager().isScreenPointOnMap(ballA->getX(), ballA->getY());
	}
	EXPECT_GT(updatesOverMap, 20);
	EXPECT_GT(engine.getTileManager().getMapValue(8, 6), 0) << "the end point (700, 500) lies over the map";
	EXPECT_EQ(updatesOverMap, mapTotal());
	// At the end of its 1000 ms leg the ball turns back.
	EXPECT_LT(engine.getBallA()->getX(), 700);
}

TEST_F(BouncingBallDemoTest, BallBIsPutBackOnTheEdgeWithItsSpeedMirrored)
{
	BouncingBall2* ballB = engine.getBallB();
	ballB->setPosition(940, 300);
	ballB->setSpeed(50, 0);
	harness.step();
	EXPECT_DOUBLE_EQ(1000 - 1 + 50 - 100, ballB->getExactX());
	EXPECT_DOUBLE_EQ(-50, ballB->getSpeedX());
	ballB->setPosition(10, 300);
	harness.step();
	EXPECT_DOUBLE_EQ(50, ballB->getExactX());
	EXPECT_DOUBLE_EQ(50, ballB->getSpeedX());
}

TEST_F(BouncingBallDemoTest, SpaceWithAnArrowLeavesTheFreeBallsStill)
{
	harness.pushKeyDown(SDLK_RIGHT);
	harness.pushKeyDown(SDLK_SPACE);
	harness.step();
	const double x = engine.getBallB()->getExactX();
	harness.runFor(300);
	EXPECT_DOUBLE_EQ(x, engine.getBallB()->getExactX());
	EXPECT_DOUBLE_EQ(0, engine.getBallC()->getSpeedX());
}

TEST_F(BouncingBallDemoTest, ColourIndicesWrapAndNegativesAreBlack)
{
	EXPECT_EQ(0x010000u, BouncingBall::unitColourFor(9));
	EXPECT_EQ(0x000000u, BouncingBall::unitColourFor(-1));
	EXPECT_EQ(0xFFFFFFu, BouncingBall::labelColourFor(-1));
	EXPECT_EQ(0x00FFFFu, BouncingBall::labelColourFor(1));
	EXPECT_EQ(0x000000u, BouncingBall::labelColourFor(7));
}

TEST_F(BouncingBallDemoTest, EscapeEndsButOtherKeysLeaveTheEngine)
{
	harness.tapKey(SDLK_x);
	EXPECT_EQ(-1, engine.getExitCode());
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}

// A ball too small to have a radius draws nothing rather than dividing by zero; empty and
// missing labels draw no text.
TEST_F(BouncingBallDemoTest, TinyAndUnlabelledBallsDrawNothingOfTheirOwn)
{
	BouncingBall2* tiny = new BouncingBall2(&engine, 1, 5, "", 0, 0);
	BouncingBall2* plain = new BouncingBall2(&engine, 40, 4, nullptr, 0, 0);
	tiny->setPosition(900, 650);
	plain->setPosition(900, 100);
	engine.appendObject(tiny);
	engine.appendObject(plain);
	harness.step();
	harness.step();
	EXPECT_EQ(harness.backgroundPixel(tiny->getX(), tiny->getY()), harness.foregroundPixel(tiny->getX(), tiny->getY()));
	EXPECT_EQ(0xFF00FFu, harness.foregroundPixel(plain->getX(), plain->getY()));
}
