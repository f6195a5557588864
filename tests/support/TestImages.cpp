#include "TestImages.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace
{
const int fullJpegQuality = 100;

SDL_Surface* makeSurface(int width, int height, const PixelFunction& pixel, bool withAlpha)
{
	SDL_Surface* surface = withAlpha
		? SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888)
		: SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
	if (!surface)
		return nullptr;
	SDL_LockSurface(surface);
	for (int y = 0; y < height; y++)
		for (int x = 0; x < width; x++)
		{
			uint32_t argb = pixel(x, y);
			Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
			if (withAlpha)
				reinterpret_cast<Uint32*>(row)[x] = argb;
			else
			{
				Uint8* p = row + x * 3;
				p[0] = static_cast<Uint8>(argb >> 16);
				p[1] = static_cast<Uint8>(argb >> 8);
				p[2] = static_cast<Uint8>(argb);
			}
		}
	SDL_UnlockSurface(surface);
	return surface;
}
}

uint32_t patternColour(int x, int y)
{
	return 0xFF000000u | (static_cast<uint32_t>(x & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) | 0x40u;
}

TestImageDirectory::TestImageDirectory()
{
	std::string pattern = (std::filesystem::temp_directory_path() / "imagetest-XXXXXX").string();
	if (mkdtemp(pattern.data()))
		m_path = pattern;
}

TestImageDirectory::~TestImageDirectory()
{
	if (!m_path.empty())
	{
		std::error_code ignored;
		std::filesystem::remove_all(m_path, ignored);
	}
}

std::string TestImageDirectory::file(const std::string& name) const
{
	return m_path + "/" + name;
}

std::string TestImageDirectory::writePng(const std::string& name, int width, int height, const PixelFunction& pixel, bool withAlpha)
{
	const std::string fullPath = file(name);
	std::filesystem::create_directories(std::filesystem::path(fullPath).parent_path());
	SDL_Surface* surface = makeSurface(width, height, pixel, withAlpha);
	if (!surface || IMG_SavePNG(surface, fullPath.c_str()) != 0)
		std::fprintf(stderr, "TestImageDirectory: cannot write %s: %s\n", fullPath.c_str(), SDL_GetError());
	SDL_FreeSurface(surface);
	return fullPath;
}

std::string TestImageDirectory::writeJpeg(const std::string& name, int width, int height, const PixelFunction& pixel)
{
	const std::string fullPath = file(name);
	SDL_Surface* surface = makeSurface(width, height, pixel, false);
	if (!surface || IMG_SaveJPG(surface, fullPath.c_str(), fullJpegQuality) != 0)
		std::fprintf(stderr, "TestImageDirectory: cannot write %s: %s\n", fullPath.c_str(), SDL_GetError());
	SDL_FreeSurface(surface);
	return fullPath;
}
