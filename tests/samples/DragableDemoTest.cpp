#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "DisplayableObject.h"
#include "DragableImageObject.h"
#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "dragable/DragableDemo.h"

namespace
{
const unsigned int defaultObjectColour = 0xFF00FF;

class DragableDemoTest : public SampleEngineTest<DragableDemo>
{
protected:
	DragableDemoTest() : SampleEngineTest<DragableDemo>(17, true) {}
};
}

TEST_F(DragableDemoTest, PlacesFiveObjectsCentredOnTheirPositions)
{
	ASSERT_EQ(5, engine.getObjectCount());
	EXPECT_EQ(30, engine.getObjectAt(0)->getX());
	EXPECT_EQ(40, engine.getObjectAt(0)->getY());
	EXPECT_EQ(60 * 80, harness.countForegroundPixels(0, 0, 60, 80, defaultObjectColour));
	EXPECT_EQ(80 * 60, harness.countForegroundPixels(160, 170, 80, 60, defaultObjectColour));
	// The picture in slot 3, drawn later, covers the square's bottom-left corner.
	EXPECT_EQ(100 * 90, harness.countForegroundPixels(250, 250, 100, 90, defaultObjectColour));
	EXPECT_FALSE(engine.getObjectAt(4)->isVisible());
	saveSampleSnapshot(harness, "dragable");
}

TEST_F(DragableDemoTest, TheHiddenPictureIsNeverDrawn)
{
	const DisplayableObject* hidden = engine.getObjectAt(4);
	harness.runFor(100);
	// Right of the square in slot 2, which reaches into the hidden picture's area.
	for (int x = 350; x < hidden->getRightEdge(); x += 5)
		for (int y = hidden->getTopEdge(); y < hidden->getBottomEdge(); y += 5)
			ASSERT_EQ(harness.backgroundPixel(x, y), harness.foregroundPixel(x, y));
}

TEST_F(DragableDemoTest, RectanglesAndThePictureFollowADrag)
{
	harness.drag(210, 205, 510, 305);
	EXPECT_EQ(500, engine.getObjectAt(1)->getX());
	EXPECT_EQ(300, engine.getObjectAt(1)->getY());
	harness.step();
	EXPECT_EQ(defaultObjectColour, harness.foregroundPixel(500, 300));
	harness.drag(200, 400, 700, 550);
	EXPECT_EQ(700, engine.getObjectAt(3)->getX());
	EXPECT_EQ(550, engine.getObjectAt(3)->getY());
}

TEST_F(DragableDemoTest, EscapeEndsTheMainLoop)
{
	harness.tapKey(SDLK_a);
	EXPECT_EQ(-1, engine.getExitCode());
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}
