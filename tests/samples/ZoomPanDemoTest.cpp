#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "dragable/SimpleFlashingDragableImageObject.h"
#include "zoompan/ZoomPanDemo.h"

namespace
{
const unsigned int defaultObjectColour = 0xFF00FF;

class ZoomPanDemoTest : public SampleEngineTest<ZoomPanDemo>
{
protected:
	ZoomPanDemoTest() : SampleEngineTest<ZoomPanDemo>(19, true) {}

	DisplayableObject* box() { return engine.getObjectAt(0); }
	SimpleFlashingDragableImageObject* flasher()
	{
		return static_cast<SimpleFlashingDragableImageObject*>(engine.getObjectAt(2));
	}
	bool neutralZoom()
	{
		const FilterPointsScaling& scaling = engine.getScaling();
		return scaling.getXStretch() == 1 && scaling.getYStretch() == 1 && scaling.getXCompress() == 1
			&& scaling.getYCompress() == 1;
	}
};
}

TEST_F(ZoomPanDemoTest, ZoomingInDrawsTwiceAsLargeAndDraggingStillFollows)
{
	// The rectangle at (100, 300), 60 by 80, centred: (70, 260) to (129, 339).
	EXPECT_EQ(60 * 80, harness.countForegroundPixels(70, 260, 60, 80, defaultObjectColour));
	harness.click(900, 650, SDL_BUTTON_RIGHT);
	harness.step();
	EXPECT_EQ(120 * 160, harness.countForegroundPixels(140, 520, 120, 160, defaultObjectColour));
	saveSampleSnapshot(harness, "zoompan");
	// Screen (200, 600) is virtual (100, 300); a drag of 200 screen pixels moves 100 virtual ones.
	harness.drag(200, 600, 400, 600);
	EXPECT_EQ(200, box()->getX());
	EXPECT_EQ(300, box()->getY());
}

TEST_F(ZoomPanDemoTest, ZoomOutThenInReturnsToNeutral)
{
	harness.click(500, 500, SDL_BUTTON_MIDDLE);
	harness.step();
	EXPECT_EQ(2, engine.getScaling().getXCompress());
	EXPECT_EQ(30 * 40, harness.countForegroundPixels(35, 130, 30, 40, defaultObjectColour));
	harness.pushMouseWheel(0, 1);
	harness.step();
	EXPECT_TRUE(neutralZoom());
	harness.pushMouseWheel(0, -1);
	harness.step();
	EXPECT_EQ(2, engine.getScaling().getXCompress());
}

TEST_F(ZoomPanDemoTest, ArrowsScrollAndSpaceResetsOnlyTheScroll)
{
	harness.tapKey(SDLK_LEFT);
	harness.tapKey(SDLK_LEFT);
	harness.tapKey(SDLK_UP);
	EXPECT_EQ(20, engine.getTranslation().getXOffset());
	EXPECT_EQ(10, engine.getTranslation().getYOffset());
	harness.step();
	EXPECT_EQ(60 * 80, harness.countForegroundPixels(90, 270, 60, 80, defaultObjectColour));
	harness.tapKey(SDLK_RIGHT);
	harness.tapKey(SDLK_DOWN);
	EXPECT_EQ(10, engine.getTranslation().getXOffset());
	EXPECT_EQ(0, engine.getTranslation().getYOffset());
	harness.click(10, 10, SDL_BUTTON_RIGHT);
	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(0, engine.getTranslation().getXOffset());
	EXPECT_EQ(0, engine.getTranslation().getYOffset());
	EXPECT_EQ(2, engine.getScaling().getXStretch());
}

TEST_F(ZoomPanDemoTest, EscapeEndsTheMainLoop)
{
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}

TEST_F(ZoomPanDemoTest, FlashingPictureDragKeepsThePointerOffset)
{
	SimpleFlashingDragableImageObject* picture = flasher();
	ASSERT_EQ(400, picture->getX());
	harness.click(5, 690);
	EXPECT_FALSE(picture->isDragging()) << "a press outside does not start a drag";
	harness.pushMouseDown(SDL_BUTTON_LEFT, 410, 200);
	harness.step();
	EXPECT_TRUE(picture->isDragging());
	harness.pushMouseMove(500, 300);
	harness.step();
	EXPECT_EQ(490, picture->getX());
	EXPECT_EQ(300, picture->getY());
	harness.pushMouseUp(SDL_BUTTON_RIGHT, 500, 300);
	harness.pushMouseMove(600, 600);
	harness.step();
	EXPECT_FALSE(picture->isDragging());
	EXPECT_EQ(490, picture->getX());
}

TEST_F(ZoomPanDemoTest, FlashingPictureSwapsEveryHalfSecondOfGameTime)
{
	SimpleFlashingDragableImageObject* picture = flasher();
	picture->update(499);
	EXPECT_EQ(0, picture->getCurrentImageIndex());
	picture->update(500);
	EXPECT_EQ(1, picture->getCurrentImageIndex());
	picture->update(1000);
	EXPECT_EQ(0, picture->getCurrentImageIndex());
}

TEST_F(ZoomPanDemoTest, FlashingPictureIsBlendedAndLeavesBlackOut)
{
	SimpleFlashingDragableImageObject* picture = flasher();
	picture->update(0);
	harness.step();
	// The star's centre (orange-yellow, 90 percent over the black table), its black corner left out.
	const unsigned int centre = harness.foregroundPixel(picture->getX(), picture->getY() + 2);
	EXPECT_NE(0u, centre);
	EXPECT_EQ(0u, harness.foregroundPixel(picture->getLeftEdge() + 1, picture->getTopEdge() + 1));
	EXPECT_LT(centre >> 16, 0xFFu) << "blended to 90 percent";
}
