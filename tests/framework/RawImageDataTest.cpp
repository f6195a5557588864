// Loading picture files into image data (crop, quarter turns, opaque pixels) and the
// shrunk and resampled copies made from loaded images.

#include <gtest/gtest.h>

#include "RawImageData.h"
#include "TestImages.h"

namespace
{
class RawImageDataTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		picture = images.writePng("four-by-three.png", 4, 3, patternColour);
	}

	// Colour (24 bits) of the pattern at (x, y).
	static int expected(int x, int y) { return static_cast<int>(patternColour(x, y) & 0xFFFFFF); }

	TestImageDirectory images;
	std::string picture;
};
}

TEST_F(RawImageDataTest, UnturnedLoadKeepsSizeAndColoursAndIsOpaque)
{
	RawImageData image(picture);
	ASSERT_TRUE(image.loadImage(picture, 0, 0, 0, 0, 0));
	EXPECT_EQ(4, image.getWidth());
	EXPECT_EQ(3, image.getHeight());
	EXPECT_EQ(picture, image.getURL());
	ASSERT_NE(nullptr, image.getSurface());
	EXPECT_EQ(image.getPixels(), image.getSurface()->pixels);
	for (int y = 0; y < 3; y++)
		for (int x = 0; x < 4; x++)
		{
			EXPECT_EQ(expected(x, y), image.getPixelColour(x, y));
			EXPECT_EQ(0xFF000000u, image.getRawPixel(x, y) & 0xFF000000u);
		}
}

TEST_F(RawImageDataTest, QuarterTurnsFollowTheTurnTable)
{
	RawImageData clockwise(picture);
	ASSERT_TRUE(clockwise.loadImage(picture, 1, 0, 0, 0, 0));
	EXPECT_EQ(3, clockwise.getWidth());
	EXPECT_EQ(4, clockwise.getHeight());
	// Image pixel (j, 0) comes from source pixel (0, sh - 1 - j).
	for (int j = 0; j < 3; j++)
		EXPECT_EQ(expected(0, 2 - j), clockwise.getPixelColour(j, 0));

	RawImageData half(picture);
	ASSERT_TRUE(half.loadImage(picture, 2, 0, 0, 0, 0));
	EXPECT_EQ(expected(3, 2), half.getPixelColour(0, 0));
	EXPECT_EQ(expected(0, 0), half.getPixelColour(3, 2));

	RawImageData anticlockwise(picture);
	ASSERT_TRUE(anticlockwise.loadImage(picture, 3, 0, 0, 0, 0));
	EXPECT_EQ(3, anticlockwise.getWidth());
	EXPECT_EQ(expected(3, 0), anticlockwise.getPixelColour(0, 0));
	EXPECT_EQ(expected(0, 2), anticlockwise.getPixelColour(2, 3));
}

TEST_F(RawImageDataTest, MarginsCropTheProducedImage)
{
	RawImageData image(picture);
	ASSERT_TRUE(image.loadImage(picture, 0, 0, 0, 1, 1));
	EXPECT_EQ(2, image.getWidth());
	EXPECT_EQ(3, image.getHeight());
	EXPECT_EQ(expected(1, 0), image.getPixelColour(0, 0));
	EXPECT_EQ(expected(2, 2), image.getPixelColour(1, 2));

	// With a quarter turn, left and right still cut the produced width, so no read leaves the picture.
	RawImageData turned(picture);
	ASSERT_TRUE(turned.loadImage(picture, 1, 1, 0, 1, 0));
	EXPECT_EQ(2, turned.getWidth());
	EXPECT_EQ(3, turned.getHeight());
	EXPECT_EQ(expected(1, 1), turned.getPixelColour(0, 0));
}

TEST_F(RawImageDataTest, ImpossibleLoadsGiveAnEmptyImage)
{
	const int impossible[][5] = {
		{ 0, 0, 0, 2, 2 },   // margins take the whole width
		{ 0, 2, 1, 0, 0 },   // margins take the whole height
		{ 0, 0, 0, 7, 0 },   // a margin beyond the picture
		{ 0, -1, 0, 0, 0 },  // negative margin
		{ 4, 0, 0, 0, 0 },   // rotation out of range
		{ -1, 0, 0, 0, 0 },
	};
	for (const auto& load : impossible)
	{
		RawImageData image(picture);
		EXPECT_FALSE(image.loadImage(picture, load[0], load[1], load[2], load[3], load[4]));
		EXPECT_EQ(0, image.getWidth());
		EXPECT_EQ(0, image.getHeight());
		EXPECT_EQ(0, image.getPixelColour(0, 0));
	}

	RawImageData missing("no-such-file.png");
	EXPECT_FALSE(missing.loadImage(images.file("no-such-file.png"), 0, 0, 0, 0, 0));
	EXPECT_EQ(nullptr, missing.getSurface());
}

TEST_F(RawImageDataTest, PixelColoursWrapAroundAndCarryNoAlpha)
{
	RawImageData image(picture);
	ASSERT_TRUE(image.loadImage(picture, 0, 0, 0, 0, 0));
	EXPECT_EQ(image.getPixelColour(0, 0), image.getPixelColour(4, 0));
	EXPECT_EQ(image.getPixelColour(1, 2), image.getPixelColour(9, 5));
	EXPECT_EQ(image.getPixelColour(3, 2), image.getPixelColour(-1, -1));
	EXPECT_EQ(0, image.getPixelColour(0, 0) & ~0xFFFFFF);
}

TEST_F(RawImageDataTest, TransparencyColourAndOpaqueRewriteAlpha)
{
	const std::string spotted = images.writePng("spotted.png", 3, 7,
		[](int x, int y) { return (x + y) % 2 ? 0xFFFF00FFu : 0xFF112233u; });
	RawImageData image(spotted);
	ASSERT_TRUE(image.loadImage(spotted, 0, 0, 0, 0, 0));

	image.setTransparencyColour(0xFF00FF);
	image.setTransparencyColour(0xFF00FF); // twice: already-transparent pixels stay as they are
	for (int y = 0; y < 7; y++)
		for (int x = 0; x < 3; x++)
			EXPECT_EQ((x + y) % 2 ? 0u : 0xFF000000u, image.getRawPixel(x, y) & 0xFF000000u) << x << "," << y;

	image.setTransparencyColour(0x112233);
	EXPECT_EQ(0xFFFF00FFu, image.getRawPixel(1, 0));
	EXPECT_EQ(0x00112233u, image.getRawPixel(0, 0));

	image.makeOpaque();
	EXPECT_EQ(0xFF112233u, image.getRawPixel(0, 0));
}

TEST_F(RawImageDataTest, SmallestAndPhotographicPicturesLoad)
{
	const std::string dot = images.writePng("dot.png", 1, 1, [](int, int) { return 0xFF123456u; });
	RawImageData one(dot);
	ASSERT_TRUE(one.loadImage(dot, 3, 0, 0, 0, 0));
	EXPECT_EQ(1, one.getWidth());
	EXPECT_EQ(0x123456, one.getPixelColour(5, 7));

	// A JPEG is lossy: a flat colour must come back close.
	const std::string photo = images.writeJpeg("photo.jpg", 16, 8, [](int, int) { return 0xFF3080C0u; });
	RawImageData jpeg(photo);
	ASSERT_TRUE(jpeg.loadImage(photo, 0, 0, 0, 0, 0));
	EXPECT_EQ(16, jpeg.getWidth());
	EXPECT_EQ(8, jpeg.getHeight());
	const int c = jpeg.getPixelColour(8, 4);
	EXPECT_NEAR(0x30, (c >> 16) & 0xFF, 4);
	EXPECT_NEAR(0x80, (c >> 8) & 0xFF, 4);
	EXPECT_NEAR(0xC0, c & 0xFF, 4);
}

TEST_F(RawImageDataTest, AlphaPicturesLoadOpaqueWithSeeThroughPartsBlack)
{
	const std::string alpha = images.writePng("alpha.png", 2, 1,
		[](int x, int) { return x == 0 ? 0xFFFF0000u : 0x0000FF00u; }, true);
	RawImageData image(alpha);
	ASSERT_TRUE(image.loadImage(alpha, 0, 0, 0, 0, 0));
	EXPECT_EQ(0xFFFF0000u, image.getRawPixel(0, 0));
	EXPECT_EQ(0xFF000000u, image.getRawPixel(1, 0));
}

TEST_F(RawImageDataTest, BackslashedNamesOpenTheSameFile)
{
	images.writePng("images/cards.png", 2, 2, patternColour);
	const std::string written = images.path() + "/images\\cards.png";
	RawImageData image(written);
	ASSERT_TRUE(image.loadImage(written, 0, 0, 0, 0, 0));
	EXPECT_EQ(2, image.getWidth());
	EXPECT_EQ(written, image.getURL());
}

TEST_F(RawImageDataTest, ShrunkCopyTakesTheTopLeftOfEachBlock)
{
	const std::string five = images.writePng("five.png", 5, 5, patternColour);
	RawImageData source(five);
	ASSERT_TRUE(source.loadImage(five, 0, 0, 0, 0, 0));
	source.setTransparencyColour(expected(2, 0));

	RawImageData shrunk(source, 2);
	EXPECT_EQ(2, shrunk.getWidth());
	EXPECT_EQ(2, shrunk.getHeight());
	EXPECT_TRUE(shrunk.getURL().empty());
	EXPECT_EQ(nullptr, shrunk.getSurface());
	EXPECT_EQ(source.getRawPixel(0, 0), shrunk.getRawPixel(0, 0));
	EXPECT_EQ(source.getRawPixel(2, 0), shrunk.getRawPixel(1, 0)); // alpha copied too
	EXPECT_EQ(0u, shrunk.getRawPixel(1, 0) & 0xFF000000u);
	EXPECT_EQ(source.getRawPixel(0, 2), shrunk.getRawPixel(0, 1));
	EXPECT_EQ(source.getRawPixel(2, 2), shrunk.getRawPixel(1, 1));

	RawImageData nothing(source, 0);
	EXPECT_EQ(0, nothing.getWidth());
}

TEST_F(RawImageDataTest, ResampledCopyRepeatsOrSkipsPixels)
{
	const std::string two = images.writePng("two.png", 2, 2, patternColour);
	RawImageData source(two);
	ASSERT_TRUE(source.loadImage(two, 0, 0, 0, 0, 0));

	RawImageData larger(4, 4, source);
	for (int y = 0; y < 4; y++)
		for (int x = 0; x < 4; x++)
			EXPECT_EQ(source.getRawPixel(x / 2, y / 2), larger.getRawPixel(x, y));

	RawImageData smaller(1, 1, larger);
	EXPECT_EQ(source.getRawPixel(0, 0), smaller.getRawPixel(0, 0));
	RawImageData empty(0, 3, source);
	EXPECT_EQ(0, empty.getPixelColour(0, 0));
}
