#include "PlainFloors.h"

#include <cstring>

#include "BaseEngine.h"
#include "FilterPoints.h"

namespace
{
const Uint32 opaque = 0xFF000000u;
const Uint32 colourBits = 0xFFFFFFu;

Uint32 pixelAt(SDL_Surface* surface, int x, int y)
{
	return static_cast<const Uint32*>(surface->pixels)[y * (surface->pitch / 4) + x];
}
} // namespace

void PlainFloors::presentFrame(BaseEngine& engine)
{
	SDL_Surface* background = engine.getBackgroundSurface()->getSDLSurface();
	SDL_Surface* foreground = engine.getForegroundSurface()->getSDLSurface();
	std::memcpy(foreground->pixels, background->pixels, static_cast<size_t>(foreground->pitch) * foreground->h);
	SDL_UpdateTexture(engine.getTexture(), nullptr, foreground->pixels, foreground->pitch);
	SDL_RenderCopy(engine.getRenderer(), engine.getTexture(), nullptr, nullptr);
	SDL_RenderPresent(engine.getRenderer());
}

void PlainFloors::storeBlock(SDL_Surface* surface, int side, Uint32 colour)
{
	Uint32* pixels = static_cast<Uint32*>(surface->pixels);
	const int perRow = surface->pitch / 4;
	const int width = surface->w;
	const int height = surface->h;
	for (int x = 0; x < side; ++x)
		for (int y = 0; y < side; ++y)
			if (x >= 0 && y >= 0 && x < width && y < height)
				pixels[y * perRow + x] = colour | opaque;
}

void PlainFloors::storeBlockThroughCalls(SDL_Surface* surface, int side, Uint32 colour, FilterPoints& chain)
{
	Uint32* pixels = static_cast<Uint32*>(surface->pixels);
	const int perRow = surface->pitch / 4;
	const int width = surface->w;
	const int height = surface->h;
	for (int column = 0; column < side; ++column)
		for (int row = 0; row < side; ++row)
		{
			int x = column;
			int y = row;
			unsigned int c = colour;
			if (chain.filterPoint(nullptr, x, y, c) && x >= 0 && y >= 0 && x < width && y < height)
				pixels[y * perRow + x] = c | opaque;
		}
}

SDL_Surface* PlainFloors::colourKeyedCopy(SDL_Surface* picture, Uint32 keyColour)
{
	SDL_Surface* copy = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0);
	if (copy == nullptr)
		return nullptr;
	for (int y = 0; y < copy->h; ++y)
	{
		Uint32* row = static_cast<Uint32*>(copy->pixels) + y * (copy->pitch / 4);
		for (int x = 0; x < copy->w; ++x)
			row[x] |= opaque;
	}
	SDL_SetSurfaceBlendMode(copy, SDL_BLENDMODE_NONE);
	SDL_SetColorKey(copy, SDL_TRUE, (keyColour & colourBits) | opaque);
	return copy;
}

int PlainFloors::pixelsOtherThan(SDL_Surface* picture, Uint32 keyColour)
{
	int count = 0;
	for (int y = 0; y < picture->h; ++y)
		for (int x = 0; x < picture->w; ++x)
			if ((pixelAt(picture, x, y) & colourBits) != (keyColour & colourBits))
				++count;
	return count;
}
