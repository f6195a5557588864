// Coordinate mappings: the inside test, turning, offsets and the colour rules, and that
// reading the destination through a filter while filtering colours changes nothing.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "BaseEngine.h"
#include "CoordinateMappingRotate.h"
#include "CoordinateMappingRotateAndColour.h"
#include "CroppedCoordinateMapping.h"
#include "EngineHarness.h"
#include "FilterPointsScaling.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "PixelSurface.h"
#include "RotationTable.h"
#include "TestImages.h"

namespace
{
const double pi = 3.14159265358979323846;

class CoordinateMappingTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		image = ImageManager::loadImage(images.writePng("ten.png", 10, 10, patternColour));
		surface = engine.getForegroundSurface();
		surface->fill(0x000000);
		surface->mySDLLockSurface();
	}
	void TearDown() override
	{
		surface->setFilter(engine.getEngineFilter());
		surface->mySDLUnlockSurface();
		image = ImageHandle();
		ImageManager::deleteInstance();
		engine.deinitialise();
	}

	// Runs the colour filter on one colour at (x, y); -1 when the pixel is not drawn.
	int filtered(CoordinateMapping& mapping, int colour, int x = 0, int y = 0)
	{
		return mapping.filterPixelColour(x, y, colour, surface) ? colour : -1;
	}

	BaseEngine engine;
	EngineHarness harness{ engine };
	TestImageDirectory images;
	ImageHandle image;
	PixelSurface* surface = nullptr;
};
}

TEST_F(CoordinateMappingTest, CroppedMappingKeepsPointsThatRoundInsideThePicture)
{
	double x = 9.4, y = 0;
	EXPECT_TRUE(defaultCroppedMapping.mapCoordinates(x, y, image));
	EXPECT_DOUBLE_EQ(9.4, x);
	x = 9.5;
	EXPECT_FALSE(defaultCroppedMapping.mapCoordinates(x, y, image));
	x = -0.1;
	EXPECT_FALSE(defaultCroppedMapping.mapCoordinates(x, y, image));
	x = 0, y = 9.6;
	EXPECT_FALSE(defaultCroppedMapping.mapCoordinates(x, y, image));
	int colour = 0x123456;
	EXPECT_TRUE(defaultCroppedMapping.filterPixelColour(0, 0, colour, surface));
	EXPECT_EQ(0x123456, colour);
}

TEST_F(CoordinateMappingTest, RotationTurnsAboutTheCentre)
{
	CoordinateMappingRotate none(0);
	// Points on the picture's edge may turn a hair outside it; the ones within come back to themselves.
	for (int px = 1; px < 10; px += 2)
		for (int py = 1; py < 10; py += 2)
		{
			double x = px, y = py;
			ASSERT_TRUE(none.mapCoordinates(x, y, image));
			EXPECT_NEAR(px, x, 0.01);
			EXPECT_NEAR(py, y, 0.01);
		}

	CoordinateMappingRotate half(pi);
	double x = 2, y = 3;
	ASSERT_TRUE(half.mapCoordinates(x, y, image));
	EXPECT_NEAR(8, x, 0.01);
	EXPECT_NEAR(7, y, 0.01);

	// A quarter turn clockwise: a point right of the centre samples below it.
	half.setRotation(pi / 2);
	x = 8, y = 5;
	ASSERT_TRUE(half.mapCoordinates(x, y, image));
	EXPECT_NEAR(5, x, 0.01);
	EXPECT_NEAR(8, y, 0.01);

	// Corners turned out of the picture are not drawn.
	half.setRotation(pi / 4);
	x = 0, y = 0;
	EXPECT_FALSE(half.mapCoordinates(x, y, image));
}

// Tables for many picture sizes: only the latest are kept, within the bound, and a mapping
// still turns its picture as before with the table it holds after the cache let it go.
TEST_F(CoordinateMappingTest, RotationTablesKeptStayWithinTheirBound)
{
	CoordinateMappingRotate half(pi);
	double x = 2, y = 3;
	ASSERT_TRUE(half.mapCoordinates(x, y, image));
	size_t tabled = 0;
	for (int width = 300; width < 320; ++width)
	{
		tabled += RotationTable::forSize(width, 300)->byteSize();
		EXPECT_LE(RotationTable::keptBytes(), RotationTable::keptBytesLimit);
	}
	ASSERT_GT(tabled, RotationTable::keptBytesLimit);
	EXPECT_EQ(RotationTable::forSize(319, 300), RotationTable::forSize(319, 300));
	double again = 2, againY = 3;
	ASSERT_TRUE(half.mapCoordinates(again, againY, image));
	EXPECT_EQ(x, again);
	EXPECT_EQ(y, againY);
}

TEST_F(CoordinateMappingTest, OffsetComesFirstAndNonPositiveAnglesDoNotTurn)
{
	CoordinateMappingRotateAndColour mapping;
	mapping.setRotation(-1);
	mapping.setOffset(5, 0);
	double x = 5, y = 2;
	EXPECT_FALSE(mapping.mapCoordinates(x, y, image)); // samples column 10
	x = 0, y = 2;
	ASSERT_TRUE(mapping.mapCoordinates(x, y, image));
	EXPECT_DOUBLE_EQ(5, x);
	EXPECT_DOUBLE_EQ(2, y);

	mapping.setOffset(0, 0);
	mapping.setRotation(pi);
	mapping.setCentre(0, 0);
	x = 2, y = 2;
	EXPECT_FALSE(mapping.mapCoordinates(x, y, image)); // turned about the corner: off the picture
}

TEST_F(CoordinateMappingTest, BrightnessAndBlendScaleTheChannels)
{
	CoordinateMappingRotateAndColour mapping;
	EXPECT_EQ(0xFFFFFF, filtered(mapping, 0xFFFFFF));
	mapping.setBrightness(50);
	EXPECT_EQ(0x808080, filtered(mapping, 0xFFFFFF));

	CoordinateMappingRotateAndColour blend;
	blend.setBlend(0x000000, 25);
	EXPECT_EQ(0x404040, filtered(blend, 0xFFFFFF));

	// Out-of-range settings are clamped and kept clamped.
	CoordinateMappingRotateAndColour bright;
	bright.setBrightness(150);
	bright.setBlend(0x000000, -1);
	EXPECT_EQ(0x000000, filtered(bright, 0xFFFFFF));
	EXPECT_EQ(100, bright.getBrightness());
	EXPECT_EQ(0, bright.getBlendPercentage());
}

TEST_F(CoordinateMappingTest, BlendWithTheSurfaceReadsTheDestination)
{
	CoordinateMappingRotateAndColour mapping;
	mapping.setBlend(CoordinateMappingRotateAndColour::blendWithSurface, 50);
	surface->setPixel(7, 8, 0x0000FF);
	EXPECT_EQ(0x800080, filtered(mapping, 0xFF0000, 7, 8));
}

TEST_F(CoordinateMappingTest, PatternsReplaceColoursButTransparencyWins)
{
	CoordinateMappingRotateAndColour mapping;
	mapping.setSecondPixelColour(0xFF0000);
	EXPECT_EQ(0xFF0000, filtered(mapping, 0x00FF00, 3, 5));
	EXPECT_EQ(0x00FF00, filtered(mapping, 0x00FF00, 3, 4));
	mapping.setThirdPixelColour(0x0000FF);
	EXPECT_EQ(0x0000FF, filtered(mapping, 0x00FF00, 3, 3)); // the later rule wins
	mapping.setFourthPixelColour(0xFFFFFF);
	EXPECT_EQ(0xFFFFFF, filtered(mapping, 0x00FF00, 2, 1));

	mapping.setTransparentColour(0x00FF00);
	EXPECT_EQ(-1, filtered(mapping, 0x00FF00, 3, 5));
	EXPECT_EQ(0xFF0000, filtered(mapping, 0x00FE00, 3, 5));
}

TEST_F(CoordinateMappingTest, ReadingTheDestinationThroughAZoomChangesNothing)
{
	FilterPointsScaling zoom(2, 2, engine.getEngineFilter());
	surface->setFilter(&zoom);
	surface->fill(0x123456);
	CoordinateMappingRotateAndColour mapping;
	mapping.setBlend(CoordinateMappingRotateAndColour::blendWithSurface, 0);
	EXPECT_EQ(0x123456, filtered(mapping, 0xFFFFFF, 10, 10));
	EXPECT_EQ(0, 1000 * 700 - harness.countForegroundPixels(0, 0, 1000, 700, 0x123456));
}

TEST_F(CoordinateMappingTest, MappedDrawUsesTheColourRules)
{
	CoordinateMappingRotateAndColour mapping;
	mapping.setTransparentColour(static_cast<int>(patternColour(0, 0) & 0xFFFFFF));
	image.renderThroughMapping(&engine, surface, 20, 20, 10, 10, &mapping);
	EXPECT_EQ(0x000000u, harness.foregroundPixel(20, 20));
	EXPECT_EQ(patternColour(3, 4) & 0xFFFFFF, harness.foregroundPixel(23, 24));
}

// At the int limits the patterns still follow the true sums, and a mapped rectangle that ends
// left of the window draws nothing and returns at once, in a whole and in a partial redraw.
TEST_F(CoordinateMappingTest, PatternsAndMappedDrawsHoldAtTheIntLimits)
{
	CoordinateMappingRotateAndColour mapping;
	mapping.setSecondPixelColour(0xFF0000);
	mapping.setThirdPixelColour(0x0000FF);
	EXPECT_EQ(0x0000FF, filtered(mapping, 0x00FF00, INT_MAX, 2)); // x + y = 2^31 + 1, a multiple of 3
	EXPECT_EQ(0xFF0000, filtered(mapping, 0x00FF00, INT_MAX, 1)); // x + y = 2^31
	mapping.setFourthPixelColour(0xFFFFFF);
	EXPECT_EQ(0xFFFFFF, filtered(mapping, 0x00FF00, INT_MAX - 1, INT_MAX)); // x + 2y, a multiple of 4

	image.renderThroughMapping(&engine, surface, INT_MIN + 3, 0, -5, 10);
	EXPECT_EQ(1000 * 700, harness.countForegroundPixels(0, 0, 1000, 700, 0x000000));
	engine.renderFrame();
	engine.redrawArea(0, 0, 50, 50);
	const unsigned int background = harness.foregroundPixel(0, 0);
	image.renderThroughMapping(&engine, surface, INT_MIN + 3, 0, -5, 10);
	EXPECT_EQ(1000 * 700, harness.countForegroundPixels(0, 0, 1000, 700, background));
}
