#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "EngineHarness.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "PictureOnScreen.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "bouncing/BouncingImageDemo.h"
#include "bouncing/BouncingImageObject.h"
#include "bouncing/BouncingObject.h"
#include "bouncing/BouncingObjectDemo.h"

namespace
{
const unsigned int boxYellow = 0xFFFF00;
const unsigned int pausedRed = 0xFF0000;

template <typename Engine>
class BouncingDemoTest : public SampleEngineTest<Engine>
{
protected:
	BouncingDemoTest() : SampleEngineTest<Engine>(13, false) {}

	BouncingObject* box() { return static_cast<BouncingObject*>(this->engine.getObjectAt(0)); }
	int pausedNoticePixels() { return this->harness.countForegroundPixels(150, 300, 300, 40, pausedRed); }
};

using BouncingEngines = ::testing::Types<BouncingObjectDemo, BouncingImageDemo>;
TYPED_TEST_SUITE(BouncingDemoTest, BouncingEngines);

class BouncingObjectDemoTest : public BouncingDemoTest<BouncingObjectDemo>
{
};
class BouncingImageDemoTest : public BouncingDemoTest<BouncingImageDemo>
{
};
}

TYPED_TEST(BouncingDemoTest, TheBoxStartsInTheCornerAndStaysInsideWhileBouncing)
{
	EXPECT_EQ(100, this->box()->getX());
	EXPECT_EQ(50, this->box()->getY());
	EXPECT_EQ(50, this->box()->getLeftEdge());
	EXPECT_EQ(25, this->box()->getTopEdge());
	bool reversedX = false;
	bool reversedY = false;
	for (int tick = 0; tick < 1500; tick++)
	{
		this->harness.step();
		const double x = this->box()->getExactX();
		const double y = this->box()->getExactY();
		ASSERT_GE(x, 50.0);
		ASSERT_LE(x, 1000 - 51.0);
		ASSERT_GE(y, 25.0);
		ASSERT_LE(y, 700 - 26.0);
		reversedX = reversedX || this->box()->getSpeedX() < 0;
		reversedY = reversedY || this->box()->getSpeedY() < 0;
	}
	EXPECT_TRUE(reversedX);
	EXPECT_TRUE(reversedY);
}

TYPED_TEST(BouncingDemoTest, HeldArrowsChangeTheSpeedGradually)
{
	this->harness.pushKeyDown(SDLK_LEFT);
	this->harness.step();
	this->harness.runFor(990);
	this->harness.pushKeyUp(SDLK_LEFT);
	this->harness.step();
	// 100 ticks with the key held, each taking 0.005; bounces only flip the sign.
	const double speed = this->box()->getSpeedX();
	EXPECT_NEAR(1.0, speed < 0 ? -speed : speed, 1e-9);
}

TYPED_TEST(BouncingDemoTest, SpacePausesAndResumesTheBox)
{
	this->harness.runFor(100);
	const int noticeBefore = this->pausedNoticePixels();
	this->harness.tapKey(SDLK_SPACE);
	EXPECT_TRUE(this->engine.isPaused());
	const int noticePaused = this->pausedNoticePixels();
	EXPECT_GT(noticePaused, noticeBefore);
	const double x = this->box()->getExactX();
	const double speedX = this->box()->getSpeedX();
	this->harness.pushKeyDown(SDLK_RIGHT);
	this->harness.runFor(500);
	this->harness.pushKeyUp(SDLK_RIGHT);
	EXPECT_EQ(x, this->box()->getExactX());
	EXPECT_EQ(speedX, this->box()->getSpeedX()) << "arrows change nothing while paused";
	// A press while paused redraws the frame, and the box stays where it is.
	this->harness.click(600, 600);
	EXPECT_EQ(x, this->box()->getExactX());
	EXPECT_GT(this->pausedNoticePixels(), noticeBefore);
	this->harness.tapKey(SDLK_SPACE);
	EXPECT_FALSE(this->engine.isPaused());
	this->harness.runFor(100);
	EXPECT_NE(x, this->box()->getExactX());
	EXPECT_LT(this->pausedNoticePixels(), noticePaused);
}

// Row 20 lies above the card picture of the image demo, so its dots show in both demos.
TYPED_TEST(BouncingDemoTest, AMousePressDrawsNewDots)
{
	this->harness.step();
	const int row = 20;
	int dotsBefore = 0;
	int same = 0;
	unsigned int before[1000];
	for (int x = 0; x < 1000; x++)
	{
		before[x] = this->harness.backgroundPixel(x, row);
		dotsBefore += before[x] != 0;
	}
	this->harness.click(300, 300);
	for (int x = 0; x < 1000; x++)
		same += before[x] == this->harness.backgroundPixel(x, row);
	EXPECT_GT(dotsBefore, 20);
	EXPECT_LT(same, 1000 - 20);
}

TYPED_TEST(BouncingDemoTest, EscapeEndsTheMainLoop)
{
	this->harness.step();
	this->harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, this->engine.getExitCode());
	EXPECT_EQ(0, this->engine.mainLoop());
}

TEST_F(BouncingObjectDemoTest, TheBoxIsDrawnYellowAroundItsPosition)
{
	harness.runFor(1000); // away from the texts at the top
	const int left = box()->getX() - 49;
	const int top = box()->getY() - 24;
	EXPECT_EQ(99 * 49, harness.countForegroundPixels(left, top, 99, 49, boxYellow));
	EXPECT_NE(boxYellow, harness.foregroundPixel(left - 1, top));
	saveSampleSnapshot(harness, "bouncing-object");
}

TEST_F(BouncingImageDemoTest, TheBoxShowsThePictureShrunkFourTimes)
{
	harness.step();
	const ImageHandle& image = static_cast<BouncingImageObject*>(box())->getImage();
	ASSERT_TRUE(image.isLoaded());
	const ImageHandle full = ImageManager::loadImage("demo.png");
	EXPECT_EQ(full.getWidth() / 4, image.getWidth());
	const int transparent = image.getPixelColour(image.getWidth() - 1, image.getHeight() - 1);
	const PictureOnScreen shown(harness, image, box()->getLeftEdge(), box()->getTopEdge(), transparent);
	EXPECT_GT(shown.comparedPixels(), 0);
	EXPECT_GT(shown.matchingPixels(), shown.comparedPixels() * 9 / 10);
	saveSampleSnapshot(harness, "bouncing-image");
}

TEST_F(BouncingImageDemoTest, TheCardPictureIsDrawnAgainOverNewDots)
{
	const ImageHandle cards = ImageManager::loadImage("images/cards.png");
	ASSERT_TRUE(cards.isLoaded());
	harness.click(300, 300);
	harness.step();
	// A point inside the first card face and one on its edge, as the picture has them.
	for (int x : { 60, 8 })
		EXPECT_EQ(static_cast<unsigned int>(cards.getPixelColour(x, 200) & 0xFFFFFF), harness.backgroundPixel(x, 200));
}
