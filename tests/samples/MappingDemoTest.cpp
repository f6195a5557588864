#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "EngineHarness.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "MappableImageObject.h"
#include "PictureOnScreen.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "mapping/MappingDemo.h"

namespace
{
class MappingDemoTest : public SampleEngineTest<MappingDemo>
{
protected:
	// The clock starts at 0 so that the first frames show game time 0.
	MappingDemoTest() : SampleEngineTest<MappingDemo>(29, false, 0) {}
	void SetUp() override
	{
		SampleEngineTest::SetUp();
		if (HasFatalFailure())
			return;
		picture = ImageManager::loadImage("demo.png");
		ASSERT_TRUE(picture.isLoaded());
	}

	// Share of the picture's pixels (other than its ground colour) that the copy centred at (cx, cy) shows unchanged.
	double unturnedShare(int cx, int cy)
	{
		const int left = cx - picture.getWidth() / 2;
		const int top = cy - picture.getHeight() / 2;
		const int ground = picture.getPixelColour(0, 0);
		return PictureOnScreen(harness, picture, left, top, ground).matchingShare();
	}
	std::vector<unsigned int> copyPixels()
	{
		std::vector<unsigned int> pixels;
		for (int x = 150; x < 550; x += 3)
			for (int y = 150; y < 550; y += 3)
				pixels.push_back(harness.foregroundPixel(x, y));
		return pixels;
	}

	ImageHandle picture;
};
}

TEST_F(MappingDemoTest, AtGameTimeZeroTheEnginesCopiesAreUnturned)
{
	harness.step(0);
	ASSERT_EQ(0, engine.getGameTime());
	EXPECT_GT(unturnedShare(250, 250), 0.95);
	EXPECT_GT(unturnedShare(450, 450), 0.95) << "the rotation starts at angle 0 too";
	saveSampleSnapshot(harness, "mapping-start");
}

TEST_F(MappingDemoTest, CopiesTurnAsGameTimePasses)
{
	harness.step(0);
	const std::vector<unsigned int> start = copyPixels();
	harness.runFor(1500);
	EXPECT_LT(unturnedShare(250, 250), 0.5);
	EXPECT_NE(start, copyPixels());
	EXPECT_NEAR(-1.5, engine.getRotateMapping().getRotation(), 0.011);
	EXPECT_NEAR(150.0, engine.getSecondMapping().getPhase(), 1.0);
	EXPECT_NEAR(75.0, engine.getThirdMapping().getTime(), 0.5);
	saveSampleSnapshot(harness, "mapping-turned");
}

TEST_F(MappingDemoTest, OwnMappingTurnsAboutTheCentreWithoutDividingByZero)
{
	const int w = picture.getWidth();
	const int h = picture.getHeight();
	double x = w / 2;
	double y = 10;
	ASSERT_TRUE(engine.mapCoordinates(x, y, picture));
	EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
	EXPECT_NEAR(w / 2, x, 0.01);
	EXPECT_NEAR(10, y, 0.01);
	x = -1;
	y = 5;
	EXPECT_FALSE(engine.mapCoordinates(x, y, picture));
	x = w - 0.5;
	y = 5;
	EXPECT_FALSE(engine.mapCoordinates(x, y, picture));
	(void)h;
}

TEST_F(MappingDemoTest, PausedCopiesStopTurning)
{
	harness.runFor(500);
	engine.pause();
	harness.step();
	const std::vector<unsigned int> held = copyPixels();
	harness.runFor(800);
	EXPECT_EQ(held, copyPixels());
}

TEST_F(MappingDemoTest, EscapeEndsTheMainLoop)
{
	harness.step();
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}
