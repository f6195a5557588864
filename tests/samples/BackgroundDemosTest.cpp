#include <gtest/gtest.h>

#include <cstdlib>

#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "flashing/FlashingDemo.h"
#include "flashing/StarfieldDemo.h"

namespace
{
class FlashingDemoTest : public SampleEngineTest<FlashingDemo>
{
protected:
	FlashingDemoTest() : SampleEngineTest<FlashingDemo>(3, false) {}

	// Pixels of the ground colour in a patch of the window (dots are about 6 in 100).
	int groundPixels(unsigned int colour) { return harness.countForegroundPixels(400, 300, 100, 100, colour); }
};

class StarfieldDemoTest : public SampleEngineTest<StarfieldDemo>
{
protected:
	StarfieldDemoTest() : SampleEngineTest<StarfieldDemo>(5, false) {}

	// True when window row y shows background row (y + offset) mod height, pixel for pixel.
	bool rowShows(int y, int offset)
	{
		const int backgroundRow = (y + offset) % engine.getWindowHeight();
		for (int x = 0; x < engine.getWindowWidth(); x++)
			if (harness.foregroundPixel(x, y) != harness.backgroundPixel(x, backgroundRow))
				return false;
		return true;
	}
};
}

TEST_F(FlashingDemoTest, ShowsDarkRedGreenBlueAndBlackInTurn)
{
	const unsigned int grounds[] = { 0x400000, 0x004000, 0x000040, 0x000000, 0x400000 };
	for (int tick = 0; tick < 5; tick++)
	{
		harness.step(200);
		EXPECT_EQ((tick + 1) % 4, engine.getBackgroundIndex());
		EXPECT_GT(groundPixels(grounds[tick]), 9000) << "tick " << tick;
		if (tick == 0)
			saveSampleSnapshot(harness, "flashing");
	}
}

TEST_F(FlashingDemoTest, AfterFourTicksTheOwnBackgroundReturnsWithItsDots)
{
	harness.step(200);
	harness.step(200);
	harness.step(200);
	harness.step(200);
	EXPECT_EQ(engine.getCycleSurface(0), engine.getBackgroundSurface());
	for (int x = 0; x < 1000; x += 7)
		for (int y = 0; y < 700; y += 13)
			ASSERT_EQ(harness.backgroundPixel(x, y), harness.foregroundPixel(x, y));
	EXPECT_LT(harness.countForegroundPixels(0, 0, 1000, 700, 0x000000), 1000 * 700);
}

TEST_F(FlashingDemoTest, EachGroundCarriesItsOwnDots)
{
	int dotted[4] = { 0, 0, 0, 0 };
	const unsigned int grounds[] = { 0x000000, 0x400000, 0x004000, 0x000040 };
	for (int index = 0; index < 4; index++)
	{
		PixelSurface* surface = engine.getCycleSurface(index);
		for (int x = 0; x < 1000; x++)
			if ((surface->getPixel(x, 350) & 0xFFFFFF) != grounds[index])
				dotted[index]++;
		EXPECT_GT(dotted[index], 20) << index;
		EXPECT_LT(dotted[index], 120) << index;
	}
}

TEST(FlashingDemoSizes, ExtraSurfacesTakeTheWindowSize)
{
	FlashingDemo engine;
	EngineHarness harness(engine);
	ASSERT_EQ(0, harness.initialise(640, 480));
	for (int index = 1; index < 4; index++)
	{
		EXPECT_EQ(640, engine.getCycleSurface(index)->getWidth());
		EXPECT_EQ(480, engine.getCycleSurface(index)->getHeight());
	}
	harness.step(200);
	EXPECT_GT(harness.countForegroundPixels(0, 0, 640, 480, 0x400000), 640 * 480 * 9 / 10);
	engine.deinitialise();
}

TEST_F(StarfieldDemoTest, DotsScrollUpOneRowPerTickAndWrapAround)
{
	harness.step(50);
	EXPECT_EQ(1, engine.getScrollOffset());
	for (int y : { 0, 1, 350, 698, 699 })
		EXPECT_TRUE(rowShows(y, 1)) << "row " << y;
	harness.runFor(50 * 99, 50);
	EXPECT_EQ(100, engine.getScrollOffset());
	for (int y : { 0, 599, 600, 699 })
		EXPECT_TRUE(rowShows(y, 100)) << "row " << y;
	saveSampleSnapshot(harness, "starfield");
}

TEST_F(StarfieldDemoTest, AfterAWindowHeightOfTicksThePictureIsBack)
{
	harness.runFor(50 * 700, 50);
	EXPECT_EQ(0, engine.getScrollOffset());
	for (int y : { 0, 1, 350, 699 })
		EXPECT_TRUE(rowShows(y, 0)) << "row " << y;
}
