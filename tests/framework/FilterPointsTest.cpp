// Zoom and scroll filters: conversions both ways and the points they write.

#include <gtest/gtest.h>

#include <climits>

#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "PixelSurface.h"

namespace
{
// A surface without an engine, for filters to write into.
struct LooseSurface
{
	PixelSurface surface{nullptr};
	LooseSurface(int w, int h)
	{
		surface.createSurface(w, h);
		surface.mySDLLockSurface();
	}
	~LooseSurface()
	{
		surface.mySDLUnlockSurface();
		SDL_FreeSurface(surface.getSDLSurface());
	}
};

// Records the last point offered and refuses everything, like a clip with nothing visible.
struct RefuseAll : FilterPoints
{
	int calls = 0;
	bool filterPoint(PixelSurface*, int&, int&, unsigned int&) override
	{
		++calls;
		return false;
	}
};
}

TEST(FilterPointsScalingTest, FactorsChooseStretchOrCompressPerAxis)
{
	FilterPointsScaling scaling(2, -3);
	EXPECT_EQ(3, scaling.getXStretch());
	EXPECT_EQ(1, scaling.getXCompress());
	EXPECT_EQ(1, scaling.getYStretch());
	EXPECT_EQ(4, scaling.getYCompress());

	scaling.setFactors(0, 0);
	scaling.zoomIn();
	EXPECT_EQ(2, scaling.getXStretch());
	scaling.zoomOut();
	EXPECT_EQ(1, scaling.getXStretch());
	EXPECT_EQ(1, scaling.getXCompress());
	scaling.zoomOut();
	EXPECT_EQ(2, scaling.getXCompress());
	EXPECT_EQ(2, scaling.getYCompress());
}

TEST(FilterPointsScalingTest, ConversionsAgreeWithStretchAndCompress)
{
	FilterPointsScaling stretch(2, 2);
	EXPECT_EQ(15, stretch.toScreenX(5));
	EXPECT_EQ(5, stretch.fromScreenX(17));

	FilterPointsScaling compress(-1, -1);
	EXPECT_EQ(2, compress.toScreenX(5));
	EXPECT_EQ(4, compress.fromScreenX(2));
	EXPECT_EQ(-2, compress.toScreenX(-5));
}

TEST(FilterPointsScalingTest, StretchWritesABlockPerVirtualPixelAndClaimsThePoint)
{
	LooseSurface loose(20, 20);
	FilterPointsScaling scaling(2, 2);
	loose.surface.setFilter(&scaling);
	loose.surface.setPixel(2, 3, 0x123456);
	for (int x = 6; x < 9; ++x)
		for (int y = 9; y < 12; ++y)
			EXPECT_EQ(0xFF123456u, loose.surface.getPixel(x, y)) << x << "," << y;
	EXPECT_EQ(0u, loose.surface.getPixel(5, 9));
	EXPECT_EQ(0u, loose.surface.getPixel(9, 9));

	int x = 1, y = 1;
	unsigned int colour = 1;
	RefuseAll refuse;
	scaling.setNext(&refuse);
	EXPECT_FALSE(scaling.filterPoint(&loose.surface, x, y, colour));
	EXPECT_EQ(9, refuse.calls);
}

// Offsets and zooms that carry a coordinate past the int range stop it at the nearest limit,
// in the conversions and in the points drawn, so nothing far off wraps onto the surface.
TEST(FilterPointsScalingTest, ValuesBeyondTheIntRangeStopAtItsLimits)
{
	FilterPointsTranslation farLeft(INT_MIN, 0);
	EXPECT_EQ(INT_MAX, farLeft.fromScreenX(160));
	EXPECT_EQ(INT_MIN, farLeft.toScreenX(-5));
	FilterPointsScaling zoomOut(-20000000, 0);
	EXPECT_EQ(INT_MAX, zoomOut.fromScreenX(160));
	EXPECT_EQ(INT_MIN, zoomOut.fromScreenX(-200));
	FilterPointsScaling zoomIn(INT_MAX, INT_MIN);
	EXPECT_EQ(INT_MAX, zoomIn.getXStretch());
	EXPECT_EQ(INT_MAX, zoomIn.getYCompress());

	// The zoom-out puts all of the rectangle on the first pixel; the far move puts it nowhere.
	LooseSurface loose(20, 20);
	loose.surface.setFilter(&zoomOut);
	loose.surface.drawRectangle(0, 0, 10, 10, 0x123456);
	EXPECT_EQ(0xFF123456u, loose.surface.getPixel(0, 0));
	EXPECT_EQ(0u, loose.surface.getPixel(1, 0));
	RefuseAll refuse;
	farLeft.setNext(&refuse);
	loose.surface.setFilter(&farLeft);
	loose.surface.drawRectangle(INT_MIN, 0, INT_MIN + 3, 0, 0x123456);
	loose.surface.drawRectangle(INT_MAX - 3, 0, INT_MAX, 0, 0x123456);
	EXPECT_EQ(8, refuse.calls);
	loose.surface.setFilter(nullptr);
}

TEST(FilterPointsTranslationTest, MovesPointsAndConvertsThroughTheChain)
{
	FilterPointsTranslation translation(10, 20);
	int x = 1, y = 1;
	unsigned int colour = 0;
	EXPECT_TRUE(translation.filterPoint(nullptr, x, y, colour));
	EXPECT_EQ(11, x);
	EXPECT_EQ(21, y);
	EXPECT_EQ(1, translation.fromScreenX(11));

	// Translation then zoom: virtual 5 moves to 15, then doubles to 30.
	FilterPointsScaling scaling(1, 1);
	translation.setNext(&scaling);
	EXPECT_EQ(30, translation.toScreenX(5));
	EXPECT_EQ(5, translation.fromScreenX(30));
	translation.changeOffset(-10, 0);
	EXPECT_EQ(10, translation.toScreenX(5));
}
