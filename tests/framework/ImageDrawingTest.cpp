// Drawing images onto the engine's surfaces in every way the handle offers, through the
// surface's point filter, and the ownership of the handle's scaled scratch surface.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "BaseEngine.h"
#include "CoordinateMappingRotate.h"
#include "EngineHarness.h"
#include "FilterPointsScaling.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "PixelSurface.h"
#include "RawImageData.h"
#include "TestImages.h"

namespace
{
const unsigned int black = 0x000000;
const uint32_t magenta = 0xFFFF00FFu;

class ImageDrawingTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		surface = engine.getForegroundSurface();
		surface->fill(black);
		surface->mySDLLockSurface();
	}
	void TearDown() override
	{
		surface->setFilter(engine.getEngineFilter());
		surface->mySDLUnlockSurface();
		ImageManager::deleteInstance();
		engine.deinitialise();
	}

	ImageHandle load(const std::string& name, int w, int h, const PixelFunction& pixel)
	{
		return ImageManager::loadImage(images.writePng(name, w, h, pixel));
	}
	ImageHandle pattern(int w, int h) { return load("pattern.png", w, h, patternColour); }
	unsigned int pixel(int x, int y) const { return harness.foregroundPixel(x, y); }
	static unsigned int rgb(uint32_t argb) { return argb & 0xFFFFFF; }
	int countNot(unsigned int colour, int x, int y, int w, int h) const
	{
		return w * h - harness.countForegroundPixels(x, y, w, h, colour);
	}

	BaseEngine engine;
	EngineHarness harness{ engine };
	PixelSurface* surface = nullptr;
	TestImageDirectory images;
};

// 30 of the 100 pixels of a 10 x 10 picture are magenta: the first three rows.
uint32_t thirtyMagenta(int x, int y)
{
	return y < 3 ? magenta : patternColour(x, y);
}
}

TEST_F(ImageDrawingTest, PlainDrawHonoursOnlyTheHandlesTransparencyColour)
{
	ImageHandle image = load("spots.png", 10, 10, thirtyMagenta);
	image.render(surface, 0, 0, 100, 100, 10, 10);
	EXPECT_EQ(100, countNot(black, 100, 100, 10, 10));
	EXPECT_EQ(rgb(patternColour(4, 5)), pixel(104, 105));

	surface->fill(black);
	image.setTransparencyColour(0xFF00FF);
	image.render(surface, 0, 0, 100, 100, 10, 10);
	EXPECT_EQ(70, countNot(black, 100, 100, 10, 10));
	EXPECT_EQ(black, pixel(100, 100));
}

TEST_F(ImageDrawingTest, DrawingIsClippedToTheSurfaceAndRepeatsThePicture)
{
	ImageHandle image = pattern(10, 10);
	image.render(surface, 0, 0, -3, 0, 10, 10);
	for (int x = 0; x < 7; x++)
		EXPECT_EQ(rgb(patternColour(x + 3, 2)), pixel(x, 2));
	EXPECT_EQ(black, pixel(7, 2));

	image.render(surface, 0, 0, 995, 695, 10, 10); // off the bottom-right corner: no error, partly drawn
	EXPECT_EQ(rgb(patternColour(4, 4)), pixel(999, 699));

	image.render(surface, 0, 0, 200, 200, 25, 12);
	EXPECT_EQ(rgb(patternColour(0, 0)), pixel(210, 210));
	EXPECT_EQ(rgb(patternColour(4, 1)), pixel(224, 211));
}

TEST_F(ImageDrawingTest, MaskDefaultsToTheBottomRightColour)
{
	ImageHandle image = load("framed.png", 5, 5,
		[](int x, int y) { return (x == 0 || y == 0 || x == 4 || y == 4) ? 0xFFFFFFFFu : patternColour(x, y); });
	image.renderWithMask(surface, 0, 0, 50, 50, 5, 5, -1);
	EXPECT_EQ(9, countNot(black, 50, 50, 5, 5));
	EXPECT_EQ(rgb(patternColour(2, 2)), pixel(52, 52));

	surface->fill(black);
	image.setTransparencyColour(0xFFFFFF); // the handle's own colour plays no part in a masked draw
	image.renderWithMask(surface, 0, 0, 50, 50, 5, 5, static_cast<int>(rgb(patternColour(2, 2))));
	EXPECT_EQ(24, countNot(black, 50, 50, 5, 5));
}

TEST_F(ImageDrawingTest, BlendMixesWithWhatIsThere)
{
	ImageHandle red = load("red.png", 4, 4, [](int, int) { return 0xFFFF0000u; });
	surface->fill(0x0000FF);
	red.renderBlended(surface, 0, 0, 10, 10, 4, 4, -1, 50);
	EXPECT_EQ(0x7F007Fu, pixel(11, 11));
	red.renderBlended(surface, 0, 0, 20, 10, 4, 4, 0xFF0000, 50);
	EXPECT_EQ(0x0000FFu, pixel(21, 11));

	// Zoomed, each pixel mixes with what lies under the place it lands on.
	FilterPointsScaling zoom(1, 1, engine.getEngineFilter());
	surface->setFilter(&zoom);
	surface->rawSetPixel(100, 100, 0x00FF00);
	surface->rawSetPixel(101, 101, 0x00FF00);
	red.renderBlended(surface, 0, 0, 50, 50, 4, 4, -1, 50);
	EXPECT_EQ(0x7F7F00u, pixel(101, 101));
	EXPECT_EQ(0x7F007Fu, pixel(103, 103));
}

TEST_F(ImageDrawingTest, PixelDrawingGoesThroughTheZoomFilter)
{
	FilterPointsScaling zoom(1, 1, engine.getEngineFilter());
	surface->setFilter(&zoom);
	ImageHandle image = pattern(3, 7);
	image.render(surface, 0, 0, 10, 10, 3, 7);
	EXPECT_EQ(rgb(patternColour(0, 0)), pixel(20, 20));
	EXPECT_EQ(rgb(patternColour(0, 0)), pixel(21, 21));
	EXPECT_EQ(rgb(patternColour(2, 6)), pixel(25, 33));
	EXPECT_EQ(black, pixel(26, 34));

	image.renderThroughMapping(&engine, surface, 100, 100, 3, 7, nullptr);
	EXPECT_EQ(rgb(patternColour(1, 1)), pixel(203, 203));
}

TEST_F(ImageDrawingTest, DefaultMappingDrawsThePictureUnchangedAndCropped)
{
	ImageHandle image = pattern(10, 10);
	image.renderThroughMapping(&engine, surface, -4, 30, 20, 20, nullptr);
	EXPECT_EQ(rgb(patternColour(4, 0)), pixel(0, 30));
	EXPECT_EQ(rgb(patternColour(9, 9)), pixel(5, 39));
	EXPECT_EQ(black, pixel(6, 30)); // nothing outside the picture
	EXPECT_EQ(black, pixel(0, 40));
}

// Between frames the engine's filter takes every point, so a mapped draw lands then too.
TEST_F(ImageDrawingTest, MappedAndScaledDrawsWithNoRedrawPendingDraw)
{
	ImageHandle image = pattern(10, 10);
	engine.renderFrame();
	ASSERT_FALSE(engine.isRedrawPending());
	image.renderThroughMapping(&engine, surface, 40, 20, 10, 10, nullptr);
	EXPECT_EQ(rgb(patternColour(3, 4)), pixel(43, 24));
	image.renderScaled(&engine, surface, 100, 20, 10, 10, 0, 0, 10, 10);
	EXPECT_EQ(rgb(patternColour(3, 4)), pixel(103, 24));
}

TEST_F(ImageDrawingTest, RotatingMappingTurnsThePicture)
{
	ImageHandle image = pattern(10, 10);
	CoordinateMappingRotate halfTurn(3.14159265358979);
	image.renderThroughMapping(&engine, surface, 0, 0, 10, 10, &halfTurn);
	// Destination (2, 3) samples about (8, 7).
	EXPECT_EQ(rgb(patternColour(8, 7)), pixel(2, 3));
}

TEST_F(ImageDrawingTest, ScaledDrawStretchesAndHonoursAlpha)
{
	ImageHandle image = load("quad.png", 2, 2, [](int x, int y) { return x + y == 0 ? magenta : patternColour(x, y); });
	image.setTransparencyColour(0xFF00FF);
	surface->fill(0x0000FF);
	image.renderScaled(&engine, surface, 10, 10, 4, 4, 0, 0, 2, 2);
	EXPECT_EQ(0x0000FFu, pixel(10, 10)); // alpha 0: the surface shows through
	EXPECT_EQ(0x0000FFu, pixel(11, 11));
	EXPECT_EQ(rgb(patternColour(1, 0)), pixel(12, 10));
	EXPECT_EQ(rgb(patternColour(1, 1)), pixel(13, 13));
	EXPECT_EQ(0x0000FFu, pixel(14, 14));

	// Same size: one plain blit.
	image.renderScaled(&engine, surface, 100, 100, 2, 2, 0, 0, 2, 2);
	EXPECT_EQ(rgb(patternColour(0, 1)), pixel(100, 101));

	// Copies made without a surface draw nothing this way.
	image.makeShrunkCopy(1).renderScaled(&engine, surface, 200, 200, 4, 4, 0, 0, 2, 2);
	EXPECT_EQ(0x0000FFu, pixel(202, 202));
}

TEST_F(ImageDrawingTest, ScaledDrawShowsThePixelsOfSDLsScaledBlitOfTheWholePicture)
{
	const unsigned int ground = 0x0000FF;
	struct Case
	{
		int pictureW, pictureH;
		SDL_Rect source;
		SDL_Rect destination;
		int transparent;
	};
	const Case cases[] = {
		{ 30, 21, { 0, 0, 30, 21 }, { 100, 100, 10, 7 }, -1 }, // a third
		{ 30, 21, { 0, 0, 30, 21 }, { 200, 100, 20, 14 }, -1 }, // two thirds
		{ 20, 14, { 0, 0, 20, 14 }, { 300, 100, 30, 21 }, -1 }, // one and a half
		{ 200, 150, { 0, 0, 200, 150 }, { 400, 100, 123, 77 }, -1 },
		{ 200, 150, { 0, 0, 200, 150 }, { -50, 650, 123, 77 }, -1 }, // partly off the surface
		{ 200, 150, { 50, 40, 120, 90 }, { 600, 300, 77, 33 }, -1 }, // part of a sheet, as the cards draw
		{ 30, 21, { 0, 0, 30, 21 }, { 700, 100, 10, 7 }, static_cast<int>(rgb(patternColour(4, 4))) },
	};
	for (size_t n = 0; n < sizeof(cases) / sizeof(cases[0]); n++)
	{
		const Case& c = cases[n];
		surface->fill(ground);
		ImageHandle image = load("scaled" + std::to_string(n) + ".png", c.pictureW, c.pictureH, patternColour);
		image.setTransparencyColour(c.transparent);
		const SDL_Rect& d = c.destination;
		image.renderScaled(&engine, surface, d.x, d.y, d.w, d.h, c.source.x, c.source.y, c.source.w, c.source.h);

		SDL_Surface* expected = RawImageData::createArgbSurface(d.w, d.h);
		ASSERT_NE(nullptr, expected);
		SDL_Rect source = c.source;
		SDL_BlitScaled(image.getRawImageData()->getSurface(), &source, expected, nullptr);
		int compared = 0, wrong = 0;
		for (int y = 0; y < d.h; y++)
			for (int x = 0; x < d.w; x++)
			{
				const int sx = d.x + x, sy = d.y + y;
				if (sx < 0 || sy < 0 || sx >= surface->getWidth() || sy >= surface->getHeight())
					continue;
				const uint32_t want = static_cast<uint32_t*>(expected->pixels)[y * expected->pitch / 4 + x];
				compared++;
				wrong += pixel(sx, sy) == ((want >> 24) == 0 ? ground : rgb(want)) ? 0 : 1;
			}
		SDL_FreeSurface(expected);
		EXPECT_GT(compared, 0) << "case " << n;
		EXPECT_EQ(0, wrong) << "case " << n;
	}
}

TEST_F(ImageDrawingTest, ScaledDrawAtHighZoomMakesOnlyTheVisiblePart)
{
	FilterPointsScaling zoom(49, 49, engine.getEngineFilter()); // 50 screen pixels per virtual pixel
	surface->setFilter(&zoom);
	ImageHandle image = pattern(100, 100);
	image.renderScaled(&engine, surface, 0, 0, 100, 100, 0, 0, 100, 100);
	ASSERT_NE(nullptr, image.getScaledSurface());
	EXPECT_LE(image.getScaledSurface()->w, 1000);
	EXPECT_LE(image.getScaledSurface()->h, 700);
	EXPECT_EQ(rgb(patternColour(0, 0)), pixel(49, 49));
	EXPECT_EQ(rgb(patternColour(1, 0)), pixel(50, 0));
	EXPECT_EQ(rgb(patternColour(19, 13)), pixel(999, 699));

	// Scrolled into the middle of the picture, only what shows is sampled. The 16.16 step of
	// 100 to 5000 is truncated, so the 2000th screen pixel still shows picture pixel 39.
	image.renderScaled(&engine, surface, -40, -40, 100, 100, 0, 0, 100, 100);
	EXPECT_EQ(rgb(patternColour(39, 39)), pixel(0, 0));
}

TEST_F(ImageDrawingTest, ScratchSurfacesBelongToOneHandleEach)
{
	ImageHandle image = pattern(4, 4);
	image.renderScaled(&engine, surface, 0, 0, 8, 8, 0, 0, 4, 4);
	SDL_Surface* scratch = image.getScaledSurface();
	ASSERT_NE(nullptr, scratch);

	image.renderScaled(&engine, surface, 0, 0, 6, 6, 0, 0, 4, 4);
	EXPECT_EQ(scratch, image.getScaledSurface()); // large enough: kept

	ImageHandle copy(image);
	EXPECT_EQ(nullptr, copy.getScaledSurface());
	EXPECT_EQ(image.getRawImageData(), copy.getRawImageData());
	copy.renderScaled(&engine, surface, 0, 0, 8, 8, 0, 0, 4, 4);
	EXPECT_NE(scratch, copy.getScaledSurface());

	ImageHandle assigned;
	assigned = image;
	EXPECT_EQ(nullptr, assigned.getScaledSurface());
	copy = image;
	EXPECT_EQ(nullptr, copy.getScaledSurface());

	ImageHandle moved(std::move(image));
	EXPECT_EQ(scratch, moved.getScaledSurface());
	EXPECT_EQ(nullptr, image.getScaledSurface());
	// Every handle frees only its own scratch surface when it goes (checked by the sanitizer build).
}

TEST_F(ImageDrawingTest, EmptyHandleDrawsNothing)
{
	ImageHandle empty;
	EXPECT_FALSE(empty.isLoaded());
	EXPECT_EQ("", empty.getURL());
	EXPECT_EQ(0, empty.getWidth());
	EXPECT_EQ(0, empty.getPixelColour(3, 3));
	empty.setTransparencyColour(0xFF00FF);
	empty.render(surface, 0, 0, 0, 0, 10, 10);
	empty.renderWithMask(surface, 0, 0, 0, 0, 10, 10, -1);
	empty.renderBlended(surface, 0, 0, 0, 0, 10, 10, -1, 50);
	empty.renderScaled(&engine, surface, 0, 0, 10, 10, 0, 0, 5, 5);
	empty.renderThroughMapping(&engine, surface, 0, 0, 10, 10, nullptr);
	EXPECT_EQ(0, countNot(black, 0, 0, 10, 10));
	EXPECT_FALSE(empty.makeShrunkCopy(2).isLoaded());
}

TEST_F(ImageDrawingTest, ClipReportsWhatReachesTheSurface)
{
	ImageHandle image = pattern(10, 10);
	int srcX = 0, srcY = 0, dstX = -3, dstY = 695, w = 10, h = 10;
	ASSERT_TRUE(image.clipToSurface(surface, srcX, srcY, dstX, dstY, w, h));
	EXPECT_EQ(3, srcX);
	EXPECT_EQ(0, dstX);
	EXPECT_EQ(7, w);
	EXPECT_EQ(695, dstY);
	EXPECT_EQ(5, h);
	srcX = srcY = 0, dstX = 1000, dstY = 0, w = h = 10;
	EXPECT_FALSE(image.clipToSurface(surface, srcX, srcY, dstX, dstY, w, h));
	srcX = srcY = 0, dstX = 0, dstY = -11, w = h = 10;
	EXPECT_FALSE(image.clipToSurface(surface, srcX, srcY, dstX, dstY, w, h));

	// Sizes and positions at the int limits clip without wrapping round.
	srcX = srcY = 0, dstX = 5, dstY = 2, w = h = INT_MAX;
	ASSERT_TRUE(image.clipToSurface(surface, srcX, srcY, dstX, dstY, w, h));
	EXPECT_EQ(995, w);
	EXPECT_EQ(698, h);
	srcX = srcY = 0, dstX = INT_MAX - 5, dstY = 0, w = h = 10;
	EXPECT_FALSE(image.clipToSurface(surface, srcX, srcY, dstX, dstY, w, h));
}
