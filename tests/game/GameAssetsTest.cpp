// The run directory holds every picture and track the game loads, in the sizes its screens are
// laid out for, with the see-through conventions its drawing relies on, and playable music.

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../../tools/assetgen/GameAssetList.h"

namespace
{
using GameAssets::Drawing;
using GameAssets::Picture;

// A loaded picture as 0xRRGGBB values, row by row.
struct Pixels
{
	int width = 0;
	int height = 0;
	std::vector<std::uint32_t> colours;
	std::uint32_t at(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
	std::uint32_t bottomRight() const { return at(width - 1, height - 1); }
};

bool loadPixels(const std::string& file, Pixels& pixels)
{
	SDL_Surface* loaded = IMG_Load(file.c_str());
	if (!loaded)
		return false;
	SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
	SDL_FreeSurface(loaded);
	if (!converted)
		return false;
	pixels.width = converted->w;
	pixels.height = converted->h;
	pixels.colours.clear();
	for (int y = 0; y < converted->h; y++)
	{
		const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch);
		for (int x = 0; x < converted->w; x++)
			pixels.colours.push_back(row[x] & 0xFFFFFFu);
	}
	SDL_FreeSurface(converted);
	return true;
}

// Mean colour of the pixels that are not the key colour.
void figureColour(const Pixels& pixels, double& red, double& green, double& blue)
{
	red = green = blue = 0.0;
	int count = 0;
	for (std::uint32_t colour : pixels.colours)
	{
		if (colour == GameAssets::keyColour)
			continue;
		red += (colour >> 16) & 0xFF;
		green += (colour >> 8) & 0xFF;
		blue += colour & 0xFF;
		count++;
	}
	if (count > 0)
	{
		red /= count;
		green /= count;
		blue /= count;
	}
}

std::vector<char> fileBytes(const std::string& file)
{
	std::ifstream in(file, std::ios::binary);
	return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The string literals of a source text that name a picture or a track ("images/....png",
// "resources/....mp3").
void collectAssetNames(const std::string& text, std::set<std::string>& named)
{
	for (const char* folder : {"\"images/", "\"resources/"})
	{
		for (size_t open = text.find(folder); open != std::string::npos; open = text.find(folder, open + 1))
		{
			const size_t close = text.find('"', open + 1);
			if (close == std::string::npos)
				break;
			const std::string quoted = text.substr(open + 1, close - open - 1);
			const std::string ending = quoted.size() > 4 ? quoted.substr(quoted.size() - 4) : "";
			if (ending == ".png" || ending == ".mp3")
				named.insert(quoted);
		}
	}
}

// Every picture and track file name written out in the game's sources.
std::set<std::string> filesNamedInGameSources()
{
	const std::filesystem::path gameSources = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "game";
	std::set<std::string> named;
	for (const auto& entry : std::filesystem::directory_iterator(gameSources))
	{
		const std::vector<char> bytes = fileBytes(entry.path().string());
		collectAssetNames(std::string(bytes.begin(), bytes.end()), named);
	}
	return named;
}

class GameAssetsTest : public ::testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		IMG_Init(IMG_INIT_PNG);
		for (const Picture& picture : GameAssets::allPictures())
		{
			Pixels pixels;
			if (loadPixels(picture.file, pixels))
				s_loaded[picture.file] = pixels;
		}
	}
	static void TearDownTestSuite()
	{
		s_loaded.clear();
		IMG_Quit();
	}

	static const Pixels* loaded(const Picture& picture)
	{
		const auto found = s_loaded.find(picture.file);
		return found == s_loaded.end() ? nullptr : &found->second;
	}

	static std::map<std::string, Pixels> s_loaded;
};

std::map<std::string, Pixels> GameAssetsTest::s_loaded;

TEST_F(GameAssetsTest, EveryPictureTheGameNamesLoadsAtItsLaidOutSize)
{
	const std::vector<Picture> pictures = GameAssets::allPictures();
	EXPECT_EQ(39u + GameAssets::explosionFrames, pictures.size());
	for (const Picture& picture : pictures)
	{
		const Pixels* pixels = loaded(picture);
		ASSERT_NE(nullptr, pixels) << picture.file << " is missing or unreadable";
		EXPECT_EQ(picture.width, pixels->width) << picture.file;
		EXPECT_EQ(picture.height, pixels->height) << picture.file;
	}
}

// Guards against a name typed differently in the game and in the generator.
TEST_F(GameAssetsTest, EveryFileTheGameSourcesNameIsInTheRunDirectory)
{
	const std::set<std::string> named = filesNamedInGameSources();
	EXPECT_GT(named.size(), 40u);
	std::set<std::string> listed(GameAssets::trackFiles().begin(), GameAssets::trackFiles().end());
	for (const Picture& picture : GameAssets::allPictures())
		listed.insert(picture.file);
	for (const std::string& file : named)
	{
		EXPECT_EQ(1u, listed.count(file)) << file << " is named by the game but not generated";
		EXPECT_TRUE(std::filesystem::exists(file)) << file;
	}
}

TEST_F(GameAssetsTest, KeyedPicturesStandOnTheKeyColourAndRotatedOnesOnBlackSpace)
{
	for (const Picture& picture : GameAssets::allPictures())
	{
		const Pixels* pixels = loaded(picture);
		ASSERT_NE(nullptr, pixels) << picture.file;
		if (picture.drawing == Drawing::opaque)
			continue;
		// Keyed pictures lose their bottom-right colour; rotated ones draw every pixel over black.
		const std::uint32_t corners[] = {pixels->at(0, 0), pixels->at(pixels->width - 1, 0),
			pixels->at(0, pixels->height - 1), pixels->bottomRight()};
		for (std::uint32_t corner : corners)
			EXPECT_EQ(GameAssets::keyColour, corner) << picture.file;

		// And the figure itself is there (the first explosion frame, a small flash, is the least).
		std::size_t figure = 0;
		for (std::uint32_t colour : pixels->colours)
			figure += colour != GameAssets::keyColour ? 1 : 0;
		EXPECT_GT(figure * 20, pixels->colours.size()) << picture.file << " is nearly empty";
	}
}

TEST_F(GameAssetsTest, DifferentNamesShowDifferentPictures)
{
	const std::vector<Picture> pictures = GameAssets::allPictures();
	for (std::size_t i = 0; i < pictures.size(); i++)
	{
		for (std::size_t j = i + 1; j < pictures.size(); j++)
		{
			const Pixels* first = loaded(pictures[i]);
			const Pixels* second = loaded(pictures[j]);
			ASSERT_TRUE(first && second);
			if (first->width == second->width && first->height == second->height)
			{
				EXPECT_NE(first->colours, second->colours) << pictures[i].file << " and " << pictures[j].file;
			}
		}
	}
}

TEST_F(GameAssetsTest, TheThreeShipsDifferInColour)
{
	const Picture ships[] = {GameAssets::shipPlain, GameAssets::shipBlue, GameAssets::shipPurple};
	double colours[3][3];
	for (int i = 0; i < 3; i++)
	{
		const Pixels* pixels = loaded(ships[i]);
		ASSERT_NE(nullptr, pixels) << ships[i].file;
		figureColour(*pixels, colours[i][0], colours[i][1], colours[i][2]);
	}
	const double clearlyApart = 40.0;
	for (int i = 0; i < 3; i++)
	{
		for (int j = i + 1; j < 3; j++)
		{
			const double distance = std::sqrt(std::pow(colours[i][0] - colours[j][0], 2)
				+ std::pow(colours[i][1] - colours[j][1], 2) + std::pow(colours[i][2] - colours[j][2], 2));
			EXPECT_GT(distance, clearlyApart) << ships[i].file << " and " << ships[j].file;
		}
	}
}

// The music player's decoder opens every track as MP3; the looped pieces run for several
// seconds, the two stings are short, and no two tracks are the same file.
TEST_F(GameAssetsTest, EveryTrackIsADistinctPlayableMp3)
{
	// Never a real sound card, even where the test environment does not name the driver.
	SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
	ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO)) << SDL_GetError();
	ASSERT_EQ(0, Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048)) << Mix_GetError();
	const std::vector<std::string>& tracks = GameAssets::trackFiles();
	ASSERT_EQ(8u, tracks.size());
	std::vector<std::vector<char>> contents;
	for (std::size_t track = 0; track < tracks.size(); track++)
	{
		ASSERT_TRUE(std::filesystem::exists(tracks[track])) << tracks[track];
		Mix_Music* music = Mix_LoadMUS(tracks[track].c_str());
		ASSERT_NE(nullptr, music) << tracks[track] << ": " << Mix_GetError();
		EXPECT_EQ(MUS_MP3, Mix_GetMusicType(music)) << tracks[track];
		const double seconds = Mix_MusicDuration(music);
		const bool sting = track >= 6;
		if (sting)
			EXPECT_LT(seconds, 5.0) << tracks[track];
		else
			EXPECT_GT(seconds, 5.0) << tracks[track];
		EXPECT_GT(seconds, 1.0) << tracks[track];
		Mix_FreeMusic(music);

		contents.push_back(fileBytes(tracks[track]));
		for (std::size_t earlier = 0; earlier < track; earlier++)
			EXPECT_NE(contents[earlier], contents[track]) << tracks[earlier] << " and " << tracks[track];
	}
	Mix_CloseAudio();
	SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
}
