#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "maze/MazeDemoMain.h"
#include "maze/MazeDemoObject.h"

namespace
{
const unsigned int waitingYellow = 0xFFFF00;
const unsigned int wallRed = 0xFF0000;
const unsigned int walkerCyan = 0x00FFFF;

class MazeDemoTest : public SampleEngineTest<MazeDemoMain>
{
protected:
	MazeDemoTest() : SampleEngineTest<MazeDemoMain>(23, true) {}
	// The maze prints its map while it sets up.
	int initialiseEngine() override
	{
		printed.start();
		const int result = harness.initialise();
		startOutput = printed.stop();
		return result;
	}

	MazeDemoObject* walker(int index) { return static_cast<MazeDemoObject*>(engine.getObjectAt(index)); }
	std::vector<int> walkerPositions()
	{
		std::vector<int> positions;
		for (int i = 0; i < 5; i++)
		{
			positions.push_back(walker(i)->getX());
			positions.push_back(walker(i)->getY());
		}
		return positions;
	}

	OutputCapture printed;
	std::string startOutput;
};
}

TEST_F(MazeDemoTest, PrintsTheMapAtStart)
{
	std::istringstream lines(startOutput);
	std::vector<std::string> mapLines;
	std::string line;
	while (std::getline(lines, line))
		if (line.size() == 15 && line.find_first_not_of("012345678") == std::string::npos)
			mapLines.push_back(line);
	ASSERT_EQ(11u, mapLines.size());
	EXPECT_EQ("111111111111111", mapLines.front());
	EXPECT_EQ("104040303040401", mapLines[1]);
	EXPECT_EQ("151112181211141", mapLines[8]);
	EXPECT_EQ("111111111111111", mapLines.back());
}

TEST_F(MazeDemoTest, WaitsOnYellowWithHiddenWalkersUntilSpace)
{
	EXPECT_EQ(MazeDemoMain::waiting, engine.getState());
	EXPECT_EQ(waitingYellow, harness.backgroundPixel(500, 650));
	EXPECT_EQ(0, harness.countForegroundPixels(0, 0, 1000, 700, walkerCyan));
	const std::vector<int> start = walkerPositions();
	harness.runFor(1000);
	EXPECT_EQ(start, walkerPositions());
	saveSampleSnapshot(harness, "maze-waiting");

	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(MazeDemoMain::running, engine.getState());
	EXPECT_EQ(wallRed, harness.backgroundPixel(30, 45));
	EXPECT_EQ(0x000000u, harness.backgroundPixel(75, 90)) << "floor at cell (1, 1)";
	harness.runFor(3000);
	EXPECT_GT(harness.countForegroundPixels(0, 0, 1000, 700, walkerCyan), 0);
	EXPECT_NE(start, walkerPositions());
	saveSampleSnapshot(harness, "maze-running");
}

TEST_F(MazeDemoTest, SpacePausesWalkersAndTheirPulse)
{
	harness.tapKey(SDLK_SPACE);
	harness.runFor(1000);
	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(MazeDemoMain::paused, engine.getState());
	EXPECT_TRUE(engine.isPaused());
	const std::vector<int> held = walkerPositions();
	const int cyan = harness.countForegroundPixels(0, 0, 1000, 700, walkerCyan);
	harness.runFor(1000);
	harness.tapKey(SDLK_LEFT);
	EXPECT_EQ(held, walkerPositions());
	EXPECT_EQ(cyan, harness.countForegroundPixels(0, 0, 1000, 700, walkerCyan));
	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(MazeDemoMain::running, engine.getState());
	EXPECT_FALSE(engine.isPaused());
	harness.runFor(1000);
	EXPECT_NE(held, walkerPositions());
}

TEST_F(MazeDemoTest, MarksUnderfootAdvanceAndTheLastFadesToFloor)
{
	MazeDemoTileManager& tiles = engine.getTileManager();
	tiles.setMapValue(walker(0)->getCellX(), walker(0)->getCellY(), 8);
	tiles.setMapValue(walker(1)->getCellX(), walker(1)->getCellY(), 5);
	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(0, tiles.getMapValue(1, 1));
	EXPECT_EQ(6, tiles.getMapValue(9, 9));
	// The tile is drawn again at once: a dot of the colour for 6 on black.
	EXPECT_EQ(0x00FFFFu, harness.backgroundPixel(MazeDemoObject::cellCentreX(9), MazeDemoObject::cellCentreY(9)));
	EXPECT_EQ(0x000000u, harness.backgroundPixel(MazeDemoObject::cellCentreX(1), MazeDemoObject::cellCentreY(1)));
}

TEST_F(MazeDemoTest, WalkersStayOnFloorWhateverTheyMeet)
{
	harness.tapKey(SDLK_SPACE);
	harness.pushKeyDown(SDLK_LEFT);
	harness.pushKeyDown(SDLK_RIGHT);
	for (int tick = 0; tick < 1000; tick++)
	{
		harness.step();
		for (int i = 0; i < 5; i++)
			ASSERT_NE(1, engine.getTileManager().getMapValue(walker(i)->getCellX(), walker(i)->getCellY()));
	}
	// Held left and right together steer left: every walker ends against a wall on its left.
	harness.runFor(3000);
	for (int i = 0; i < 5; i++)
	{
		const MazeDemoObject* w = walker(i);
		if (w->getX() == MazeDemoObject::cellCentreX(w->getCellX()))
		{
			EXPECT_EQ(1, engine.getTileManager().getMapValue(w->getCellX() - 1, w->getCellY())) << "walker " << i;
		}
	}
}

TEST_F(MazeDemoTest, PulseAndDirectionsFollowTheirTables)
{
	EXPECT_EQ(10, MazeDemoObject::pulseRadius(0));
	EXPECT_EQ(25, MazeDemoObject::pulseRadius(300));
	EXPECT_EQ(24, MazeDemoObject::pulseRadius(320));
	EXPECT_EQ(11, MazeDemoObject::pulseRadius(580));
	EXPECT_EQ(10, MazeDemoObject::pulseRadius(600));
	const int dx[] = { 0, 1, 0, -1 };
	const int dy[] = { -1, 0, 1, 0 };
	for (int direction = -4; direction < 8; direction++)
	{
		EXPECT_EQ(dx[(direction + 8) % 4], MazeDemoObject::getDirectionDx(direction)) << direction;
		EXPECT_EQ(dy[(direction + 8) % 4], MazeDemoObject::getDirectionDy(direction)) << direction;
	}
}

TEST_F(MazeDemoTest, EscapeEndsFromAnyState)
{
	harness.tapKey(SDLK_SPACE);
	harness.tapKey(SDLK_SPACE);
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}
