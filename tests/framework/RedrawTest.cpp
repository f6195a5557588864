// Whole and partial frames: the dirty rectangle, the clipping filter and what reaches the foreground.

#include <gtest/gtest.h>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "EngineHarness.h"

namespace
{
const unsigned int backgroundColour = 0x202020;
const unsigned int objectColour = 0xFF0000;

class PlainEngine : public BaseEngine
{
public:
	void drawBackground() override
	{
		if (drawnPixelByPixel)
			drawBackgroundRectangle(0, 0, getWindowWidth() - 1, getWindowHeight() - 1, background);
		else
			fillBackground(background);
	}
	unsigned int background = backgroundColour;
	// Pixel writes pass the engine's clip filter; a fill does not.
	bool drawnPixelByPixel = false;
};

class RedrawTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		harness.step();
	}
	void TearDown() override { engine.deinitialise(); }

	PlainEngine engine;
	EngineHarness harness{engine};
};
}

TEST_F(RedrawTest, FirstFrameShowsTheWholeBackground)
{
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(0, 0));
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(999, 699));
	EXPECT_FALSE(engine.isRedrawPending());
	EXPECT_EQ(0xCCCCCCu, BaseEngine::getColour(41));
	EXPECT_EQ(0xCCCCCCu, BaseEngine::getColour(-1));
	EXPECT_EQ(0x4040C0u, BaseEngine::getColour(40));
}

TEST_F(RedrawTest, DirtyRectangleGrowsByOnePixelAroundTheArea)
{
	engine.redrawArea(100, 100, 10, 10);
	EXPECT_EQ(99, engine.getDirtyVirtualLeft());
	EXPECT_EQ(99, engine.getDirtyVirtualTop());
	EXPECT_EQ(111, engine.getDirtyVirtualRight());
	EXPECT_EQ(111, engine.getDirtyScreenBottom());
	engine.redrawArea(102, 102, 2, 2);
	EXPECT_EQ(99, engine.getDirtyVirtualLeft());
	EXPECT_EQ(111, engine.getDirtyVirtualRight());
	engine.redrawArea(105, 105, 20, 2);
	EXPECT_EQ(99, engine.getDirtyVirtualLeft());
	EXPECT_EQ(126, engine.getDirtyVirtualRight());
	EXPECT_EQ(111, engine.getDirtyVirtualBottom());
}

TEST_F(RedrawTest, PartialRedrawChangesOnlyTheDirtyArea)
{
	// A new background is drawn, but only the dirty area is copied to the foreground,
	// and an object drawing everywhere is clipped to the same area.
	DisplayableObject* cover = new DisplayableObject(0, 0, &engine, 1000, 700, true);
	cover->setColour(objectColour);
	engine.appendObject(cover);
	engine.redrawArea(100, 100, 10, 10);
	harness.step();
	EXPECT_EQ(objectColour, harness.foregroundPixel(105, 105));
	EXPECT_EQ(objectColour, harness.foregroundPixel(99, 99));
	EXPECT_EQ(objectColour, harness.foregroundPixel(111, 111));
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(112, 105));
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(98, 105));
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(500, 500));

	engine.requestFullRedraw();
	harness.step();
	EXPECT_EQ(objectColour, harness.foregroundPixel(500, 500));
}

TEST_F(RedrawTest, NewBackgroundDuringAPartialRedrawIsClippedThenShownWhole)
{
	engine.drawnPixelByPixel = true;
	engine.redrawArea(100, 100, 10, 10);
	engine.background = 0x0000FF;
	engine.redrawBackground();
	EXPECT_EQ(0x0000FFu, harness.backgroundPixel(105, 105));
	EXPECT_EQ(0x0000FFu, harness.backgroundPixel(111, 99));
	EXPECT_EQ(backgroundColour, harness.backgroundPixel(112, 105));
	EXPECT_EQ(backgroundColour, harness.backgroundPixel(500, 500));
	EXPECT_TRUE(engine.isWholeScreenRedraw());
	// Stale frame content that only a copy of the whole background replaces.
	engine.getForegroundSurface()->fill(0x00FF00);
	harness.step();
	EXPECT_EQ(0x0000FFu, harness.foregroundPixel(105, 105));
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(500, 500));
}

TEST_F(RedrawTest, ClipFilterDropsPointsOutsideTheWindow)
{
	int x = 1000, y = 5;
	unsigned int colour = 0;
	EXPECT_FALSE(engine.filterPoint(nullptr, x, y, colour));
	x = 5;
	y = -1;
	EXPECT_FALSE(engine.filterPoint(nullptr, x, y, colour));
	y = 5;
	EXPECT_TRUE(engine.filterPoint(nullptr, x, y, colour));
	engine.redrawArea(100, 100, 10, 10);
	EXPECT_FALSE(engine.filterPoint(nullptr, x, y, colour));
}

TEST_F(RedrawTest, ObjectsSeeWhetherTheyMeetTheDirtyArea)
{
	DisplayableObject inside(100, 100, &engine, 10, 10, true);
	DisplayableObject outside(500, 500, &engine, 10, 10, true);
	EXPECT_FALSE(inside.overlapsRedrawArea());
	engine.redrawArea(105, 105, 2, 2);
	EXPECT_TRUE(inside.overlapsRedrawArea());
	EXPECT_FALSE(outside.overlapsRedrawArea());
}
