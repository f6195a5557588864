// The drawing surface: pixel storage, locking warnings, clipping of copies, filtered reads.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "EngineHarness.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "PixelSurface.h"

namespace
{
class PixelSurfaceTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		useHeadlessDrivers();
		ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
		surface.createSurface(width, height);
		other.createSurface(width, height);
	}
	void TearDown() override
	{
		SDL_FreeSurface(surface.getSDLSurface());
		SDL_FreeSurface(other.getSDLSurface());
	}

	static const int width = 40;
	static const int height = 30;
	PixelSurface surface{nullptr};
	PixelSurface other{nullptr};
	OutputCapture output;
};
}

TEST_F(PixelSurfaceTest, WritesStoreTheColourOpaque)
{
	surface.mySDLLockSurface();
	surface.setPixel(3, 4, 0x123456);
	surface.mySDLUnlockSurface();
	EXPECT_EQ(0xFF123456u, surface.getPixel(3, 4));
	EXPECT_EQ(0u, surface.getPixel(-1, 0));
	EXPECT_EQ(0u, surface.getPixel(width, 0));

	surface.fill(0x000000);
	EXPECT_EQ(0xFF000000u, surface.getPixel(0, 0));
	EXPECT_EQ(0xFF000000u, surface.getPixel(width - 1, height - 1));
}

TEST_F(PixelSurfaceTest, OutOfRangeRawWriteIsReportedAndNotMade)
{
	surface.mySDLLockSurface();
	output.start();
	surface.rawSetPixel(width, 0, 0xFFFFFF);
	std::string printed = output.stop();
	surface.mySDLUnlockSurface();
	EXPECT_NE(std::string::npos, printed.find("Error in setting pixel- should never happen!"));
	EXPECT_EQ(0u, surface.getPixel(width - 1, 0));
}

// Shapes reaching off a surface whose chain ends on the surface itself report each point that
// misses, as point by point; only an extreme shape leaves its misses out, at once.
TEST_F(PixelSurfaceTest, ShapesReportEachPointThatMissesTheSurface)
{
	FilterPointsScaling oneToOne(0, 0);
	FilterPointsTranslation scroll(0, 0, &oneToOne);
	struct Case
	{
		FilterPoints* filter;
		int left, right;
		size_t reports;
		int drawn;
	};
	const Case cases[] = {
		{nullptr, -5, 4, 5, 5},
		{&scroll, -50, 4, 50, 5},
		{nullptr, INT_MIN, INT_MAX, 0, width},
		{&scroll, INT_MIN, INT_MAX, 0, width},
	};
	const std::string report = "Error in setting pixel- should never happen!\n";
	surface.mySDLLockSurface();
	for (const Case& c : cases)
	{
		surface.fill(0x000000);
		surface.setFilter(c.filter);
		output.start();
		surface.drawRectangle(c.left, 0, c.right, 0, 0xFFFFFF);
		const std::string printed = output.stop();
		size_t reports = 0;
		for (size_t at = printed.find(report); at != std::string::npos; at = printed.find(report, at + 1))
			++reports;
		EXPECT_EQ(c.reports, reports) << c.left;
		EXPECT_EQ(report.size() * reports, printed.size()) << c.left;
		int drawn = 0;
		for (int x = 0; x < width; ++x)
			drawn += surface.getPixel(x, 0) == 0xFFFFFFFFu ? 1 : 0;
		EXPECT_EQ(c.drawn, drawn) << c.left;
	}
	surface.setFilter(nullptr);
	surface.mySDLUnlockSurface();
}

TEST_F(PixelSurfaceTest, UnlockedWritesWarnButStillWrite)
{
	output.start();
	surface.rawSetPixel(1, 1, 0x00FF00);
	std::string unlocked = output.stop();
	EXPECT_NE(std::string::npos, unlocked.find("WARNING: Attempted write to surface without locking it."));
	EXPECT_EQ(0xFF00FF00u, surface.getPixel(1, 1));

	surface.mySDLLockSurface();
	surface.mySDLTempUnlockSurface();
	output.start();
	surface.rawSetPixel(2, 2, 0x0000FF);
	std::string tempUnlocked = output.stop();
	surface.mySDLTempRelockSurface();
	output.start();
	surface.rawSetPixel(3, 3, 0x0000FF);
	std::string locked = output.stop();
	surface.mySDLUnlockSurface();
	EXPECT_NE(std::string::npos, tempUnlocked.find("WARNING"));
	EXPECT_EQ(std::string::npos, locked.find("WARNING"));
}

TEST_F(PixelSurfaceTest, RectangleCopiesAreClippedToBothSurfaces)
{
	other.fill(0xABCDEF);
	surface.fill(0x000000);
	surface.copyRectangleFrom(&other, -5, 0, 10, 3);
	EXPECT_EQ(0xFFABCDEFu, surface.getPixel(0, 0));
	EXPECT_EQ(0xFFABCDEFu, surface.getPixel(4, 2));
	EXPECT_EQ(0xFF000000u, surface.getPixel(5, 0));
	EXPECT_EQ(0xFF000000u, surface.getPixel(0, 3));

	// A distinct colour at every source pixel shows where each copied pixel came from.
	auto sourceColour = [](int x, int y) { return 0x100000u + static_cast<unsigned int>(x * 256 + y); };
	other.mySDLLockSurface();
	for (int x = 0; x < width; ++x)
		for (int y = 0; y < height; ++y)
			other.setPixel(x, y, sourceColour(x, y));
	other.mySDLUnlockSurface();
	auto pixelsOtherThan = [this](auto expected) {
		int wrong = 0;
		for (int x = 0; x < width; ++x)
			for (int y = 0; y < height; ++y)
				wrong += surface.getPixel(x, y) != (0xFF000000u | expected(x, y)) ? 1 : 0;
		return wrong;
	};

	// The source starts 5 left of the source's edge: only its 5 columns inside are copied,
	// to where they belong, from 3 rows further down.
	surface.fill(0x000000);
	surface.copyRectangleFrom(&other, 0, 0, 10, 10, -5, 3);
	EXPECT_EQ(0, pixelsOtherThan([&](int x, int y) {
		return x >= 5 && x < 10 && y < 10 ? sourceColour(x - 5, y + 3) : 0u;
	}));

	// Far outside, and with an offset pointing outside the source: nothing is copied.
	surface.fill(0x000000);
	surface.copyRectangleFrom(&other, width, 0, 10, 10);
	surface.copyRectangleFrom(&other, 0, 0, 10, 10, -20, 0);
	EXPECT_EQ(0, pixelsOtherThan([](int, int) { return 0u; }));

	// Sizes and offsets at the int limits clip like any others.
	surface.copyRectangleFrom(&other, width - 2, 0, INT_MAX, 1);
	surface.copyRectangleFrom(&other, 0, 1, 1, INT_MAX, INT_MIN, 0);
	EXPECT_EQ(0, pixelsOtherThan([&](int x, int y) { return x >= width - 2 && y == 0 ? sourceColour(x, y) : 0u; }));
}

TEST_F(PixelSurfaceTest, FilteredReadsFollowTheFilterAndChangeNothing)
{
	surface.fill(0x000000);
	FilterPointsTranslation translation(5, 0);
	surface.setFilter(&translation);
	surface.mySDLLockSurface();
	surface.setPixel(1, 1, 0x112233);
	EXPECT_EQ(0xFF112233u, surface.getPixel(6, 1));
	EXPECT_EQ(0xFF112233u, surface.getFilteredPixel(1, 1));

	// The zoom filter writes its blocks itself; a read through it must not.
	FilterPointsScaling scaling(2, 2);
	surface.setFilter(&scaling);
	surface.fill(0x445566);
	EXPECT_EQ(0xFF445566u, surface.getFilteredPixel(2, 2));
	for (int x = 0; x < width; ++x)
		for (int y = 0; y < height; ++y)
			ASSERT_EQ(0xFF445566u, surface.getPixel(x, y)) << x << "," << y;
	surface.mySDLUnlockSurface();
}
