#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AssetCanvas.h"
#include "AssetContext.h"
#include "SoundBuffer.h"

namespace
{
int countPixels(const AssetCanvas& canvas, AssetColour colour)
{
	int count = 0;
	for (int y = 0; y < canvas.height(); y++)
		for (int x = 0; x < canvas.width(); x++)
			if (canvas.getPixel(x, y) == colour)
				count++;
	return count;
}

std::vector<unsigned char> readFile(const std::filesystem::path& path)
{
	std::ifstream in(path, std::ios::binary);
	return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Uint32 loadedPixel(SDL_Surface* loaded, int x, int y)
{
	SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
	const Uint32 pixel = static_cast<Uint32*>(converted->pixels)[y * converted->pitch / 4 + x];
	SDL_FreeSurface(converted);
	return pixel;
}

// Each test writes into a fresh folder of its own under the system's temporary directory.
class AssetToolkitTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, TTF_Init());
		const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
		m_folder = std::filesystem::temp_directory_path() / (std::string("assetgen-") + test->name());
		std::filesystem::remove_all(m_folder);
	}
	void TearDown() override
	{
		std::filesystem::remove_all(m_folder);
		TTF_Quit();
	}

	std::filesystem::path m_folder;
};
}

TEST_F(AssetToolkitTest, PolygonsFillTheirInsideInEitherWinding)
{
	AssetCanvas canvas(40, 40);
	const AssetColour red(0xFF0000);
	canvas.fillPolygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}}, red);
	EXPECT_EQ(100, countPixels(canvas, red));
	EXPECT_EQ(red, canvas.getPixel(10, 10));
	EXPECT_EQ(red, canvas.getPixel(19, 19));
	EXPECT_NE(red, canvas.getPixel(20, 20));

	AssetCanvas reversed(40, 40);
	reversed.fillPolygon({{10, 20}, {20, 20}, {20, 10}, {10, 10}}, red);
	EXPECT_EQ(100, countPixels(reversed, red));

	// A triangle half the square: 45 to 55 pixels depending on the diagonal's pixels.
	AssetCanvas triangle(40, 40);
	triangle.fillPolygon({{10, 10}, {20, 10}, {10, 20}}, red);
	EXPECT_NEAR(50, countPixels(triangle, red), 5);
}

TEST_F(AssetToolkitTest, EllipsesAreSymmetricAndOfTheirArea)
{
	AssetCanvas canvas(100, 100);
	const AssetColour white(0xFFFFFF);
	canvas.fillEllipse(50, 50, 20, 10, white);
	EXPECT_NEAR(3.14159 * 20 * 10, countPixels(canvas, white), 20);
	for (int y = 0; y < 100; y++)
		for (int x = 0; x < 100; x++)
			ASSERT_EQ(canvas.getPixel(x, y), canvas.getPixel(99 - x, 99 - y)) << x << "," << y;
	// Shapes crossing the edges are clipped, never written outside.
	canvas.fillEllipse(0, 0, 500, 500, white);
	EXPECT_EQ(100 * 100, countPixels(canvas, white));
}

TEST_F(AssetToolkitTest, PartTransparentColoursBlendAndHolesCanBeCut)
{
	AssetCanvas opaque(4, 4);
	opaque.clear(0x0000FF);
	opaque.fillRect(0, 0, 4, 4, AssetColour(0xFF0000, 128));
	const AssetColour blended = opaque.getPixel(1, 1);
	EXPECT_EQ(255, blended.a);
	EXPECT_NEAR(128, blended.r, 1);
	EXPECT_NEAR(127, blended.b, 1);

	AssetCanvas sprite(4, 4, AssetCanvas::Channels::rgba);
	EXPECT_EQ(0, sprite.getPixel(0, 0).a);
	sprite.clear(0x00FF00);
	sprite.setBlending(false);
	sprite.fillRect(1, 1, 2, 2, AssetColour(0, 0));
	EXPECT_EQ(AssetColour(0, 0), sprite.getPixel(1, 1));
	EXPECT_EQ(AssetColour(0x00FF00), sprite.getPixel(0, 0));
}

TEST_F(AssetToolkitTest, SavedPicturesLoadBackWithTheirColours)
{
	const AssetContext context(m_folder);
	AssetCanvas picture(8, 6);
	picture.clear(0x123456);
	picture.setPixel(7, 5, 0xABCDEF);
	ASSERT_TRUE(picture.savePng(context, "images/Explosion/1.png"));
	AssetCanvas sprite(8, 6, AssetCanvas::Channels::rgba);
	sprite.fillRect(0, 0, 4, 6, 0xFF8000);
	ASSERT_TRUE(sprite.savePng(context, "images/sprite.png"));
	ASSERT_TRUE(picture.saveJpg(context, "images/photo.jpg"));

	SDL_Surface* loaded = IMG_Load(context.pathOf("images/Explosion/1.png").c_str());
	ASSERT_NE(nullptr, loaded);
	EXPECT_EQ(8, loaded->w);
	EXPECT_EQ(6, loaded->h);
	EXPECT_EQ(0xFF123456u, loadedPixel(loaded, 0, 0));
	EXPECT_EQ(0xFFABCDEFu, loadedPixel(loaded, 7, 5));
	SDL_FreeSurface(loaded);

	loaded = IMG_Load(context.pathOf("images/sprite.png").c_str());
	ASSERT_NE(nullptr, loaded);
	EXPECT_EQ(0xFFFF8000u, loadedPixel(loaded, 0, 0));
	EXPECT_EQ(0u, loadedPixel(loaded, 7, 0) >> 24);
	SDL_FreeSurface(loaded);

	loaded = IMG_Load(context.pathOf("images/photo.jpg").c_str());
	ASSERT_NE(nullptr, loaded);
	EXPECT_EQ(8, loaded->w);
	SDL_FreeSurface(loaded);
}

TEST_F(AssetToolkitTest, TextIsDrawnWithTheRunDirectoryFonts)
{
	// The tests run in the run directory, where the fonts group has put the fonts.
	const AssetContext runDirectory(".");
	AssetCanvas canvas(300, 60);
	const AssetColour ink(0xFFFFFF);
	ASSERT_TRUE(canvas.drawText(runDirectory.fontPath("PixelGameFont.ttf"), 24, 150, 10, "SCORE 100", ink,
		AssetCanvas::TextAlign::centre, false));
	const int inked = countPixels(canvas, ink);
	EXPECT_GT(inked, 50);
	int width = 0;
	int height = 0;
	ASSERT_TRUE(AssetCanvas::measureText(runDirectory.fontPath("Cornerstone Regular.ttf"), 24, "SCORE 100", width, height));
	EXPECT_GT(width, 50);
	EXPECT_GT(height, 10);
	EXPECT_FALSE(canvas.drawText(runDirectory.fontPath("NoSuchFont.ttf"), 24, 0, 0, "x", ink));
}

TEST_F(AssetToolkitTest, SoundIsWrittenAsWavAndEncodedToMp3)
{
	const AssetContext context(m_folder);
	SoundBuffer sound(0.5);
	sound.addNote(0.0, 0.25, SoundBuffer::noteFrequency(69), 0.5, SoundBuffer::Wave::square);
	sound.addNote(0.2, 1.0, SoundBuffer::noteFrequency(72), 0.5);  // runs past the end: cut
	sound.normalise();
	const std::filesystem::path wav = context.prepareOutput("resources/tone.wav");
	ASSERT_TRUE(sound.writeWav(wav.string()));
	const std::vector<unsigned char> bytes = readFile(wav);
	const size_t frames = SoundBuffer::sampleRate / 2;
	ASSERT_EQ(44 + frames * 4, bytes.size());
	EXPECT_EQ("RIFF", std::string(bytes.begin(), bytes.begin() + 4));
	EXPECT_EQ("WAVE", std::string(bytes.begin() + 8, bytes.begin() + 12));

	ASSERT_TRUE(sound.saveMp3(context, "resources/music's tone.mp3"));
	EXPECT_GT(std::filesystem::file_size(context.pathOf("resources/music's tone.mp3")), 1000u);
	EXPECT_FALSE(std::filesystem::exists(context.pathOf("resources/music's tone.mp3.tmp.wav")));
}
