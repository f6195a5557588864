#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "simple/MovingImageObject.h"
#include "simple/MovingObjectRectangle.h"
#include "simple/QelvarEngine.h"

namespace
{
const unsigned int textColour = 0xFF00FF;

class QelvarEngineTest : public SampleEngineTest<QelvarEngine>
{
protected:
	QelvarEngineTest() : SampleEngineTest<QelvarEngine>(7, false) {}

	DisplayableObject* imageObject() { return engine.getObjectAt(0); }
	MovingObjectRectangle* shape(int index) { return static_cast<MovingObjectRectangle*>(engine.getObjectAt(index)); }
};
}

TEST_F(QelvarEngineTest, BuildsTheSceneOnAGreyBackground)
{
	harness.step();
	EXPECT_EQ(4, engine.getObjectCount());
	EXPECT_EQ(nullptr, engine.getObjectAt(3));
	EXPECT_EQ(0xD3D3D3u, harness.backgroundPixel(20, 680));
	EXPECT_EQ(0x0000FFu, harness.backgroundPixel(265, 200)); // inside the hexagon
	// The first tile's triangle is centred on the map's top-left corner (300, 300).
	EXPECT_NE(0xD3D3D3u, harness.backgroundPixel(301, 335));
	saveSampleSnapshot(harness, "simple");
}

TEST_F(QelvarEngineTest, EveryPressCountsAndTheCountIsDrawnOnTop)
{
	harness.step();
	const int before = harness.countForegroundPixels(150, 40, 300, 40, textColour);
	harness.click(10, 10, SDL_BUTTON_LEFT);
	harness.click(900, 600, SDL_BUTTON_RIGHT);
	harness.click(500, 300, SDL_BUTTON_MIDDLE);
	EXPECT_EQ(3, engine.getClickCount());
	harness.step();
	EXPECT_GT(harness.countForegroundPixels(150, 40, 300, 40, textColour), 0);
	EXPECT_GT(before, 0); // "Number of clicks: 0" was there from the start
}

TEST_F(QelvarEngineTest, BackgroundTextAppearsFromTheSecondFrameOn)
{
	harness.step();
	EXPECT_EQ(0, harness.countForegroundPixels(750, 650, 250, 50, textColour));
	harness.step();
	const int shown = harness.countForegroundPixels(750, 650, 250, 50, textColour);
	EXPECT_GT(shown, 0);
	harness.step();
	EXPECT_EQ(shown, harness.countForegroundPixels(750, 650, 250, 50, textColour));
}

TEST_F(QelvarEngineTest, ArrowKeysSteerThePictureWithinTheWindow)
{
	harness.pushKeyDown(SDLK_LEFT);
	harness.pushKeyDown(SDLK_UP);
	harness.runFor(2000);
	EXPECT_EQ(0, imageObject()->getX());
	EXPECT_EQ(0, imageObject()->getY());
	harness.pushKeyDown(SDLK_RIGHT);
	harness.runFor(200);
	EXPECT_EQ(0, imageObject()->getX()) << "opposite arrows cancel";
	harness.pushKeyUp(SDLK_LEFT);
	harness.pushKeyUp(SDLK_UP);
	harness.pushKeyDown(SDLK_DOWN);
	harness.runFor(8000);
	// The object is a point for the edges: it may reach the window's width and height.
	EXPECT_EQ(1000, imageObject()->getX());
	EXPECT_EQ(700, imageObject()->getY());
}

TEST_F(QelvarEngineTest, ThePictureBumpsTheTileUnderItAboutEveryTenthOfASecond)
{
	harness.step();
	imageObject()->setPosition(310, 310);
	harness.runFor(1000);
	const int bumps = engine.getTileManager().getMapValue(0, 0);
	EXPECT_GE(bumps, 8);
	EXPECT_LE(bumps, 10);
	for (int column = 0; column < 5; column++)
		for (int row = 0; row < 5; row++)
		{
			if (column != 0 || row != 0)
			{
				EXPECT_EQ(0, engine.getTileManager().getMapValue(column, row));
			}
		}
	imageObject()->setPosition(100, 100);
	harness.runFor(500);
	EXPECT_EQ(bumps, engine.getTileManager().getMapValue(0, 0)) << "off the map nothing is bumped";
}

TEST_F(QelvarEngineTest, TheWrappingShapeReentersAtTheRightEdgeStillMovingLeft)
{
	bool wrapped = false;
	int previousX = shape(2)->getX();
	for (int tick = 0; tick < 200 && !wrapped; tick++)
	{
		harness.step();
		wrapped = previousX < 10 && shape(2)->getX() == 1000 - 51;
		previousX = shape(2)->getX();
	}
	EXPECT_TRUE(wrapped);
	EXPECT_LT(shape(2)->getSpeedX(), 0);
}

TEST_F(QelvarEngineTest, TheBouncingShapeJumpsToTheCornerWhenItTouchesTheOther)
{
	harness.step();
	shape(2)->setExactPosition(shape(1)->getX() + 20, shape(1)->getY() + 20);
	harness.step();
	EXPECT_EQ(0, shape(1)->getX());
	EXPECT_EQ(0, shape(1)->getY());
	EXPECT_DOUBLE_EQ(3.0, shape(1)->getSpeedX());
	EXPECT_DOUBLE_EQ(1.0, shape(1)->getSpeedY());
	EXPECT_GT(shape(2)->getX(), 0) << "the second shape never reacts to a touch";
}

TEST_F(QelvarEngineTest, ShapesAlternateBetweenTriangleAndSquare)
{
	harness.step();
	// At (50, 50) moving (3, 1): after the 101st tick the square starts at the position.
	for (int tick = 1; tick < 101; tick++)
		harness.step();
	EXPECT_EQ(101, shape(1)->getShapeCounter());
	const int x = shape(1)->getX();
	const int y = shape(1)->getY();
	EXPECT_EQ(0x009933u, harness.foregroundPixel(x + 95, y + 95));
}
