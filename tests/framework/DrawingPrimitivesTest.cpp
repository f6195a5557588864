// Lines, shapes and text on a surface, checked pixel by pixel.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <utility>
#include <vector>

#include "BaseEngine.h"
#include "EngineHarness.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"

namespace
{
const unsigned int ink = 0x00FF00;
const unsigned int paper = 0x000000;

class DrawingPrimitivesTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		surface = engine.getBackgroundSurface();
		surface->fill(paper);
		surface->mySDLLockSurface();
	}
	void TearDown() override
	{
		surface->mySDLUnlockSurface();
		engine.deinitialise();
	}
	bool inked(int x, int y) const { return (surface->getPixel(x, y) & 0xFFFFFF) == ink; }
	int inkedCount(int x1, int y1, int x2, int y2) const
	{
		int n = 0;
		for (int x = x1; x <= x2; ++x)
			for (int y = y1; y <= y2; ++y)
				n += inked(x, y) ? 1 : 0;
		return n;
	}

	BaseEngine engine;
	EngineHarness harness{engine};
	PixelSurface* surface = nullptr;
};

// Ends a filter chain: keeps, in order, every point that lands on the surface.
struct LandingPoints : FilterPoints
{
	std::vector<std::pair<int, int>> points;
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int&) override
	{
		const bool lands = x >= 0 && y >= 0 && x < surface->getWidth() && y < surface->getHeight();
		if (lands)
			points.emplace_back(x, y);
		return lands;
	}
};
}

TEST_F(DrawingPrimitivesTest, LinesIncludeBothEnds)
{
	surface->drawLine(10, 10, 13, 10, ink);
	EXPECT_EQ(4, inkedCount(0, 0, 50, 50));
	EXPECT_TRUE(inked(10, 10));
	EXPECT_TRUE(inked(13, 10));

	surface->drawLine(20, 20, 20, 20, ink);
	EXPECT_TRUE(inked(20, 20));

	surface->drawLine(30, 30, 40, 35, ink);
	EXPECT_TRUE(inked(30, 30));
	EXPECT_TRUE(inked(40, 35));
}

TEST_F(DrawingPrimitivesTest, RectanglesTakeCornersInAnyOrder)
{
	surface->drawRectangle(5, 5, 2, 7, ink);
	EXPECT_EQ(12, inkedCount(0, 0, 20, 20));
	EXPECT_TRUE(inked(2, 5));
	EXPECT_TRUE(inked(5, 7));
	EXPECT_FALSE(inked(6, 7));
}

TEST_F(DrawingPrimitivesTest, OvalsFillTheInscribedEllipse)
{
	surface->drawOval(0, 0, 10, 10, ink);
	EXPECT_TRUE(inked(0, 5));
	EXPECT_TRUE(inked(10, 5));
	EXPECT_TRUE(inked(5, 5));
	EXPECT_FALSE(inked(0, 0));
	EXPECT_FALSE(inked(10, 10));

	surface->fill(paper);
	surface->drawOval(3, 0, 3, 10, ink);
	EXPECT_EQ(0, inkedCount(0, 0, 20, 20));
}

TEST_F(DrawingPrimitivesTest, HugeOvalsDoNotOverflowTheirSizes)
{
	// A tall thin box whose height squared exceeds an int: the edge column at the
	// window's middle row lies just outside the ellipse, the centre column inside.
	surface->drawOval(490, -30000, 510, 31000, ink);
	EXPECT_TRUE(inked(500, 350));
	EXPECT_FALSE(inked(490, 350));
}

TEST_F(DrawingPrimitivesTest, HollowOvalLeavesTheMiddleEmpty)
{
	surface->drawHollowOval(100, 100, 200, 200, 130, 130, 170, 170, ink);
	EXPECT_TRUE(inked(105, 150));
	EXPECT_FALSE(inked(150, 150));
}

TEST_F(DrawingPrimitivesTest, TrianglesAndPolygonsFill)
{
	surface->drawTriangle(100, 100, 200, 100, 100, 200, ink);
	EXPECT_TRUE(inked(120, 120));
	EXPECT_FALSE(inked(190, 190));

	surface->fill(paper);
	surface->drawTriangle(50, 10, 50, 20, 50, 30, ink);
	EXPECT_EQ(21, inkedCount(45, 0, 55, 40));

	// A square given clockwise on the screen fills; anticlockwise draws nothing.
	surface->fill(paper);
	double xs[] = {300, 400, 400, 300};
	double ys[] = {300, 300, 400, 400};
	surface->drawPolygon(4, xs, ys, ink);
	EXPECT_TRUE(inked(350, 350));
	EXPECT_TRUE(inked(301, 399));

	surface->fill(paper);
	double axs[] = {300, 300, 400, 400};
	double ays[] = {300, 400, 400, 300};
	surface->drawPolygon(4, axs, ays, ink);
	EXPECT_EQ(0, inkedCount(290, 290, 410, 410));
}

TEST_F(DrawingPrimitivesTest, ConcavePolygonLeavesItsNotchEmpty)
{
	// An L shape, clockwise on the screen.
	double xs[] = {100, 300, 300, 200, 200, 100};
	double ys[] = {100, 100, 200, 200, 300, 300};
	surface->drawPolygon(6, xs, ys, ink);
	EXPECT_TRUE(inked(150, 150));
	EXPECT_TRUE(inked(250, 150));
	EXPECT_TRUE(inked(150, 250));
	EXPECT_FALSE(inked(250, 250));
}

// The engine's background polygons take any number of corners, not just the eight its
// named shapes use.
TEST(EnginePolygonTest, BackgroundPolygonsWithManyCornersFill)
{
	struct PolygonEngine : BaseEngine
	{
		using BaseEngine::drawBackgroundPolygon;
	} engine;
	EngineHarness harness(engine);
	ASSERT_EQ(0, harness.initialise());
	// A twelve-cornered square outline, clockwise on the screen, three corners a side.
	const double corners[] = {300, 300, 350, 300, 400, 300, 400, 350, 400, 400, 400, 450,
		350, 450, 300, 450, 250, 450, 250, 400, 250, 350, 250, 325};
	engine.getBackgroundSurface()->mySDLLockSurface();
	engine.drawBackgroundPolygon(12, corners, ink);
	engine.getBackgroundSurface()->mySDLUnlockSurface();
	EXPECT_EQ(ink, harness.backgroundPixel(320, 420));
	EXPECT_EQ(ink, harness.backgroundPixel(390, 310));
	engine.deinitialise();
}

TEST_F(DrawingPrimitivesTest, ThickLinesAreWiderThanThinOnes)
{
	surface->drawThickLine(100, 100, 300, 100, ink, 1);
	const int thin = inkedCount(0, 0, 400, 200);
	surface->fill(paper);
	surface->drawThickLine(100, 100, 300, 100, ink, 10);
	EXPECT_TRUE(inked(200, 97));
	EXPECT_TRUE(inked(200, 103));
	EXPECT_GT(inkedCount(0, 0, 400, 200), thin * 5);

	surface->fill(paper);
	surface->drawArrow(100, 300, 300, 300, 0, 0, ink, 1, 20);
	EXPECT_TRUE(inked(290, 300));
	EXPECT_TRUE(inked(285, 303));
}

TEST_F(DrawingPrimitivesTest, PrimitivesWithExtremeCoordinatesReturnAfterDrawingOnlyTheirVisiblePart)
{
	const int everything = 1000 * 700;
	const int lo = INT_MIN, hi = INT_MAX;

	// A laser drawn for a ship saved near the int limit: nothing of it shows.
	surface->drawRectangle(100, hi - 5, 104, hi, ink);
	surface->drawString(hi - 3, hi - 3, "Hello", ink);
	EXPECT_EQ(0, inkedCount(0, 0, 999, 699));

	surface->drawRectangle(lo, lo, hi, hi, ink);
	EXPECT_EQ(everything, inkedCount(0, 0, 999, 699));

	surface->fill(paper);
	surface->drawOval(lo, lo, hi, hi, ink);
	EXPECT_EQ(everything, inkedCount(0, 0, 999, 699));

	surface->fill(paper);
	surface->rawDrawOval(lo, lo, hi, hi, ink);
	EXPECT_EQ(everything, inkedCount(0, 0, 999, 699));

	surface->fill(paper);
	surface->drawHollowOval(lo, lo, hi, hi, 100, 100, 200, 200, ink);
	EXPECT_TRUE(inked(0, 0));
	EXPECT_FALSE(inked(150, 150));

	surface->fill(paper);
	surface->drawLine(lo, 350, hi, 350, ink);
	EXPECT_EQ(1000, inkedCount(0, 0, 999, 699));

	surface->fill(paper);
	surface->drawThickLine(500, lo, 500, hi, ink, 9);
	EXPECT_TRUE(inked(500, 0));
	EXPECT_TRUE(inked(503, 699));
	EXPECT_FALSE(inked(490, 350));

	// Below the diagonal from the far top-left to the far bottom-right.
	surface->fill(paper);
	surface->drawTriangle(lo, lo, hi, hi, lo, hi, ink);
	EXPECT_TRUE(inked(0, 699));
	EXPECT_TRUE(inked(300, 310));
	EXPECT_FALSE(inked(310, 300));

	surface->fill(paper);
	double xs[] = {double(lo), double(hi), double(hi), double(lo)};
	double ys[] = {double(lo), double(lo), double(hi), double(hi)};
	surface->drawPolygon(4, xs, ys, ink);
	EXPECT_EQ(everything, inkedCount(0, 0, 999, 699));
}

TEST_F(DrawingPrimitivesTest, BoundedDrawingOffersAZoomAndScrollChainTheSameLandingPoints)
{
	// Two virtual columns per screen column (truncating toward zero, so virtual columns just
	// left of the scrolled edge still land) and three screen rows per virtual row.
	LandingPoints landing;
	FilterPointsScaling zoom(-1, 2, &landing);
	FilterPointsTranslation scroll(-7, 11, &zoom);
	surface->setFilter(&scroll);

	surface->drawRectangle(-100, -100, 2200, 400, ink);
	const std::vector<std::pair<int, int>> moderate = std::move(landing.points);
	landing.points.clear();
	surface->drawRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX, ink);
	surface->setFilter(engine.getEngineFilter());

	// 2001 virtual columns (one of them left of the edge) by 700 screen rows.
	EXPECT_EQ(2001 * 700, static_cast<int>(moderate.size()));
	EXPECT_TRUE(moderate == landing.points);
}

TEST_F(DrawingPrimitivesTest, AnglesRunClockwiseOnScreen)
{
	const double pi = 3.141592653589793;
	EXPECT_DOUBLE_EQ(pi / 2, getAngle(0, 0, 0, 0));
	EXPECT_NEAR(3 * pi / 2, getAngle(0, 0, 0, -5), 1e-12);
	EXPECT_NEAR(pi, getAngle(0, 0, -1, 0), 1e-12);
	EXPECT_NEAR(pi / 4, getAngle(0, 0, 1, 1), 1e-12);
}

TEST_F(DrawingPrimitivesTest, TextDrawsInkOnlyWhereGlyphsAre)
{
	ASSERT_NE(nullptr, engine.getDefaultFont());
	ASSERT_NE(nullptr, engine.getDefaultFont()->getTTFFont());
	surface->drawString(10, 10, "", ink);
	EXPECT_EQ(0, inkedCount(0, 0, 200, 60));
	surface->drawString(10, 10, "Hello", ink);
	const int pixels = inkedCount(0, 0, 200, 60);
	EXPECT_GT(pixels, 50);
	EXPECT_LT(pixels, 200 * 60 / 2);
	EXPECT_EQ(0, inkedCount(0, 0, 9, 60));
}
