// Whole and partial frames: the dirty rectangle, the clipping filter and what reaches the foreground.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "EngineHarness.h"
#include "FilterPointsScaling.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "MappableImageObject.h"
#include "TestImages.h"

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

// Draws only when a frame needs it, as the card sample's tokens do.
template <typename Drawn>
class Skipping : public Drawn
{
public:
	using Drawn::Drawn;
	void draw() override
	{
		if (this->getEngine()->isWholeScreenRedraw() || this->overlapsRedrawArea())
			Drawn::draw();
	}
};

// A picture stretched to twice its size by the scaled blit, as the card sample draws cards.
class ScaledPicture : public DisplayableObject
{
public:
	ScaledPicture(int x, int y, BaseEngine* engine, const ImageHandle& picture)
		: DisplayableObject(x, y, engine, 2 * picture.getWidth(), 2 * picture.getHeight(), true), m_picture(picture)
	{
	}
	void draw() override
	{
		m_picture.renderScaled(m_engine, m_engine->getForegroundSurface(), getLeftEdge(), getTopEdge(), m_width,
			m_height, 0, 0, m_picture.getWidth(), m_picture.getHeight());
	}

private:
	ImageHandle m_picture;
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

TEST_F(RedrawTest, EveryPartialFrameEqualsAWholeRedrawAtAnyZoom)
{
	// Still boxes and pictures (one mapped, one scaled) along the path, each drawing only where
	// the frame needs it, under a mover that asks for its old and new area around every step.
	for (int x = 20; x < 140; x += 7)
		for (int y = 40; y < 90; y += 6)
			engine.appendObject(new Skipping<DisplayableObject>(x, y, &engine, 3, 3, true));
	TestImageDirectory images;
	const std::string picture = images.writePng("picture.png", 9, 7, patternColour);
	engine.appendObject(new Skipping<MappableImageObject>(nullptr, 44, 52, &engine, picture));
	engine.appendObject(new Skipping<ScaledPicture>(66, 58, &engine, ImageManager::loadImage(picture)));
	DisplayableObject* mover = new DisplayableObject(30, 50, &engine, 7, 5, true);
	mover->setColour(objectColour);
	engine.appendObject(mover);
	FilterPointsScaling zoom(0, 0, engine.getEngineFilter());
	engine.getForegroundSurface()->setFilter(&zoom);
	for (int factor : {-3, -2, -1, 0, 1})
	{
		SCOPED_TRACE(factor);
		zoom.setFactors(factor, factor);
		mover->setPosition(30, 50);
		engine.requestFullRedraw();
		harness.step();
		int staleFrames = 0;
		// Right and down, then back left and up, by uneven steps.
		for (int move = 0; move < 40; ++move)
		{
			const int direction = move < 20 ? 1 : -1;
			mover->redrawOwnArea();
			mover->setPosition(mover->getX() + direction * (1 + move % 5), mover->getY() + direction * (move % 3));
			mover->redrawOwnArea();
			staleFrames += harness.stepAndCountStalePixels() > 0 ? 1 : 0;
		}
		EXPECT_EQ(0, staleFrames);
	}
	engine.getForegroundSurface()->setFilter(engine.getEngineFilter());
	engine.removeAllObjects(true);
	ImageManager::deleteInstance();
}

TEST_F(RedrawTest, AreasAtTheIntLimitsAndDeepZoomsStopThereAndRedrawTheWindow)
{
	DisplayableObject farRight(0, 0, &engine, 10, 10, true);
	farRight.setPosition(INT_MAX - 2, 100);
	engine.redrawArea(INT_MAX - 5, 100, 10, 10);
	EXPECT_EQ(INT_MAX, engine.getDirtyVirtualRight());
	EXPECT_TRUE(farRight.overlapsRedrawArea());
	engine.redrawArea(INT_MIN, 100, 10, 10);
	EXPECT_EQ(INT_MIN, engine.getDirtyVirtualLeft());
	// The band across the whole int range is copied across the window.
	const unsigned int stale = 0x00FF00;
	engine.getForegroundSurface()->fill(stale);
	harness.step();
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(0, 105));
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(999, 111));
	EXPECT_EQ(stale, harness.foregroundPixel(500, 112));

	// One virtual pixel 32,766 screen pixels wide: the margins alone span more than the int range.
	FilterPointsScaling zoom(32765, 32765, engine.getEngineFilter());
	engine.getForegroundSurface()->setFilter(&zoom);
	engine.redrawArea(0, 0, 10, 10);
	engine.getForegroundSurface()->fill(stale);
	harness.step();
	engine.getForegroundSurface()->setFilter(engine.getEngineFilter());
	EXPECT_EQ(backgroundColour, harness.foregroundPixel(500, 500));
}
