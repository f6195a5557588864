// Lines, shapes and text on a surface, checked pixel by pixel.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
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

// A small measuring window: 160 x 120, drawn on the background through the engine's clip.
struct SmallWindow
{
	static const int width = 160;
	static const int height = 120;
	BaseEngine engine;
	EngineHarness harness{engine};
	PixelSurface* surface = nullptr;
	SmallWindow()
	{
		EXPECT_EQ(0, harness.initialise(width, height));
		surface = engine.getBackgroundSurface();
		surface->fill(paper);
		surface->mySDLLockSurface();
	}
	~SmallWindow()
	{
		surface->setFilter(engine.getEngineFilter());
		surface->mySDLUnlockSurface();
		engine.deinitialise();
	}
	// Window pixels of one colour, in drawing-surface order (columns outer).
	std::vector<std::pair<int, int>> pixelsOf(unsigned int colour) const
	{
		std::vector<std::pair<int, int>> found;
		for (int x = 0; x < width; ++x)
			for (int y = 0; y < height; ++y)
				if ((surface->getPixel(x, y) & 0xFFFFFF) == colour)
					found.emplace_back(x, y);
		return found;
	}
	// Every window pixel, in drawing-surface order, after draw on paper through the chain at head.
	std::vector<unsigned int> drawnThrough(FilterPoints* head, const std::function<void(PixelSurface&)>& draw)
	{
		surface->fill(paper);
		surface->setFilter(head);
		draw(*surface);
		std::vector<unsigned int> pixels;
		for (int x = 0; x < width; ++x)
			for (int y = 0; y < height; ++y)
				pixels.push_back(surface->getPixel(x, y));
		return pixels;
	}
};

// A filter of the program's own: moves, drops or recolours a point, then hands it on.
struct ProgramFilter : FilterPoints
{
	std::function<bool(int&, int&, unsigned int&)> change;
	FilterPoints* next = nullptr;
	int offered = 0;
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override
	{
		++offered;
		if (!change(x, y, colour))
			return false;
		return next ? next->filterPoint(surface, x, y, colour) : true;
	}
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

TEST_F(DrawingPrimitivesTest, ZoomAndScrollChainsLandEveryPointTheyShould)
{
	// Two virtual columns per screen column (truncating toward zero, so virtual columns just
	// left of the scrolled edge still land) and three screen rows per virtual row.
	LandingPoints landing;
	FilterPointsScaling zoom(-1, 2, &landing);
	FilterPointsTranslation scroll(-7, 11, &zoom);
	surface->setFilter(&scroll);
	surface->drawRectangle(-100, -100, 2200, 400, ink);
	// 2001 virtual columns (one of them left of the edge) by 700 screen rows.
	EXPECT_EQ(2001 * 700, static_cast<int>(landing.points.size()));

	// Ending in the engine's clip, the chain's far-off points are left out: at once.
	zoom.setNext(engine.getEngineFilter());
	surface->drawRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX, ink);
	surface->setFilter(engine.getEngineFilter());
	EXPECT_EQ(1000 * 700, inkedCount(0, 0, 999, 699));
}

// A filter of the program's own may land any point anywhere, so it is offered every point
// the primitives make, in their order; the figures are those of the point-by-point walk.
TEST(ProgramFilterTest, GetsEveryPointThePrimitivesMake)
{
	const unsigned int grey = 0x808080;
	const int w = SmallWindow::width;
	const int h = SmallWindow::height;
	auto wrapAround = [w, h](int& x, int& y, unsigned int&) {
		x = ((x % w) + w) % w;
		y = ((y % h) + h) % h;
		return true;
	};
	auto shiftBack = [](int& x, int&, unsigned int&) {
		if (x >= 100000)
			x -= 100000;
		return true;
	};
	int passed = 0;
	auto twoOfFour = [&passed](int&, int&, unsigned int&) { return passed++ % 4 < 2; };
	auto greyOnly = [grey](int&, int&, unsigned int& colour) {
		colour = grey;
		return true;
	};
	auto everything = [](int&, int&, unsigned int&) { return true; };
	struct Case
	{
		const char* what;
		std::function<bool(int&, int&, unsigned int&)> change;
		int zoom; // a zoom filter between the program's filter and the clip, when not 0
		std::function<void(PixelSurface&)> draw;
		unsigned int landedColour;
		int landed;
		int offered; // -1: not counted
	};
	const Case cases[] = {
		{"wrap-around", wrapAround, 0, [](PixelSurface& s) { s.drawRectangle(200, 10, 209, 19, ink); }, ink, 100, -1},
		{"shift back", shiftBack, 0, [](PixelSurface& s) { s.drawLine(100010, 5, 100050, 5, ink); }, ink, 41, -1},
		{"two of four", twoOfFour, 0, [](PixelSurface& s) { s.drawRectangle(-4, 0, 7, 0, ink); }, ink, 4, 12},
		{"grey ahead of zoom-out", greyOnly, -1, [](PixelSurface& s) { s.drawRectangle(0, 0, 319, 239, ink); }, grey,
			w * h, -1},
		{"counting rectangle", everything, 0, [](PixelSurface& s) { s.drawRectangle(-100, 5, 99, 5, ink); }, ink, 100, 200},
		{"counting line", everything, 0, [](PixelSurface& s) { s.drawLine(-1000, 5, 1000, 5, ink); }, ink, w, 2002},
		{"counting oval", everything, 0, [](PixelSurface& s) { s.drawOval(-40, -40, 40, 40, ink); }, ink, -1, 5025},
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.what);
		SmallWindow window;
		passed = 0;
		FilterPointsScaling zoom(c.zoom, c.zoom, window.engine.getEngineFilter());
		ProgramFilter filter;
		filter.change = c.change;
		filter.next = c.zoom != 0 ? static_cast<FilterPoints*>(&zoom) : window.engine.getEngineFilter();
		window.surface->setFilter(&filter);
		c.draw(*window.surface);
		const auto landed = window.pixelsOf(c.landedColour);
		if (c.landed >= 0)
		{
			EXPECT_EQ(c.landed, static_cast<int>(landed.size()));
		}
		if (c.offered >= 0)
		{
			EXPECT_EQ(c.offered, filter.offered);
		}
		if (c.landed == 4)
		{
			EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {4, 0}, {5, 0}}), landed);
		}
	}
}

// Chains of the framework's own filters land what the point-by-point walk lands (the same
// chain behind a filter of the program's that changes nothing), whatever their order.
TEST(ProgramFilterTest, FrameworkChainsLandWhatThePointByPointWalkLands)
{
	SmallWindow window;
	FilterPoints* clip = window.engine.getEngineFilter();
	// Zoom-out 4 into zoom-in 4: -3 / 4 truncates to 0, so the point lands as a 4-pixel block.
	FilterPointsScaling zoomIn(0, 3, clip);
	FilterPointsScaling zoomOut(0, -3, &zoomIn);
	window.surface->setFilter(&zoomOut);
	window.surface->drawRectangle(10, -3, 10, -3, ink);
	EXPECT_EQ(4, static_cast<int>(window.pixelsOf(ink).size()));

	auto drawShapes = [](PixelSurface& s) {
		s.drawRectangle(-300, -200, 400, 7, 0x0000FF);
		s.drawLine(-500, -90, 700, 130, 0x00FF00);
		s.drawOval(-70, -60, 95, 33, 0xFF0000);
		s.drawTriangle(-200, 300, 250, -100, 90, 200, 0xFFFF00);
		s.drawHollowOval(-50, -50, 150, 150, 0, 0, 100, 100, 0x00FFFF);
	};
	for (int zoomFirst = 0; zoomFirst < 2; ++zoomFirst)
	{
		FilterPointsScaling second(2, -2, clip);
		FilterPointsTranslation between(-37, 23, &second);
		FilterPointsScaling first(-3, 1, &between);
		if (zoomFirst == 1)
		{
			first.setFactors(1, 3);
			second.setFactors(-4, -1);
		}
		ProgramFilter passOn;
		passOn.change = [](int&, int&, unsigned int&) { return true; };
		passOn.next = &first;
		const std::vector<unsigned int> expected = window.drawnThrough(&passOn, drawShapes);
		const std::vector<unsigned int> drawn = window.drawnThrough(&first, drawShapes);
		EXPECT_TRUE(expected == drawn) << "orders " << zoomFirst;
		EXPECT_NE(std::vector<unsigned int>(drawn.size(), 0xFF000000u | paper), drawn);
	}
}

// A deep zoom ending in the engine's clip lands, during a partial redraw, what its point-by-point
// walk lands (the same chain with a filter of the program's that changes nothing behind the
// zoom), with the scroll before or after it; a block far larger than the window fills the
// redraw area as it is when drawn.
TEST(ProgramFilterTest, DeepZoomLandsWhatThePointByPointWalkLands)
{
	SmallWindow window;
	window.engine.renderFrame();
	window.engine.redrawArea(20, 15, 90, 70);
	FilterPoints* clip = window.engine.getEngineFilter();
	ProgramFilter passOn;
	passOn.change = [](int&, int&, unsigned int&) { return true; };
	auto drawShapes = [](PixelSurface& s) {
		s.drawRectangle(-5, -5, 6, 4, 0x0000FF);
		s.drawOval(2, -3, 14, 9, 0xFF0000);
		s.drawString(-40, -12, "Zoom", 0x00FF00);
	};
	for (bool scrollFirst : {false, true})
	{
		FilterPointsScaling zoom(12, 16, &passOn);
		FilterPointsTranslation scroll(-3, 5, scrollFirst ? &zoom : clip);
		FilterPoints* head = scrollFirst ? static_cast<FilterPoints*>(&scroll) : &zoom;
		FilterPoints* afterZoom = scrollFirst ? clip : static_cast<FilterPoints*>(&scroll);
		passOn.next = afterZoom;
		const std::vector<unsigned int> expected = window.drawnThrough(head, drawShapes);
		zoom.setNext(afterZoom);
		const std::vector<unsigned int> drawn = window.drawnThrough(head, drawShapes);
		EXPECT_TRUE(expected == drawn) << "scroll first " << scrollFirst;
		EXPECT_NE(std::vector<unsigned int>(drawn.size(), 0xFF000000u | paper), drawn);

		// The area grown to the window's corner: screen columns 0 to 111, rows 0 to 86.
		window.engine.redrawArea(0, 0, 5, 5);
		window.surface->fill(paper);
		zoom.setFactors(999999, 999999);
		window.surface->drawRectangle(-40, -40, 40, 40, ink);
		EXPECT_EQ(112 * 87, static_cast<int>(window.pixelsOf(ink).size())) << "scroll first " << scrollFirst;
	}
}

// A filter of the program's own after a deep zoom may land any point anywhere, so it is offered
// every point of each block, in the walk's order, those off the surface too.
TEST(ProgramFilterTest, DeepZoomOffersAProgramFilterEveryPointOfItsBlocks)
{
	SmallWindow window;
	std::vector<std::pair<int, int>> offered;
	ProgramFilter record;
	record.change = [&offered](int& x, int& y, unsigned int&) {
		offered.emplace_back(x, y);
		return true;
	};
	record.next = window.engine.getEngineFilter();
	// Blocks of 12 x 13 screen points, rows 117 to 129: the first block reaches past the
	// right and bottom edges, the second lies wholly past the right one.
	FilterPointsScaling zoom(11, 12, &record);
	window.surface->setFilter(&zoom);
	window.surface->drawRectangle(13, 9, 14, 9, ink);
	std::vector<std::pair<int, int>> expected;
	for (int x = 156; x <= 179; ++x)
		for (int y = 117; y <= 129; ++y)
			expected.emplace_back(x, y);
	EXPECT_EQ(expected, offered);
	EXPECT_EQ(4 * 3, static_cast<int>(window.pixelsOf(ink).size()));
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
