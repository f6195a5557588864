#include "RawImageData.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdint>

#include "Diagnostics.h"

namespace
{
const Uint32 redMask = 0xFF0000;
const Uint32 greenMask = 0xFF00;
const Uint32 blueMask = 0xFF;
const Uint32 alphaMask = 0xFF000000;
const uint32_t opaque = 0xFF000000u;

// Names may be written with backslashes; the file is opened with forward slashes.
std::string toPlatformPath(const std::string& fileName)
{
	std::string path = fileName;
	std::replace(path.begin(), path.end(), '\\', '/');
	return path;
}

// Loads the file and converts it to the framework's 32-bit ARGB layout.
SDL_Surface* loadConvertedSurface(const std::string& fileName)
{
	SDL_Surface* loaded = IMG_Load(toPlatformPath(fileName).c_str());
	if (!loaded)
		return nullptr;
	SDL_Surface* converted = RawImageData::createArgbSurface(loaded->w, loaded->h);
	// A picture with an alpha channel is blended onto transparent black, so its see-through
	// parts come out black once every pixel is made opaque.
	if (converted)
		SDL_UpperBlit(loaded, nullptr, converted, nullptr);
	SDL_FreeSurface(loaded);
	return converted;
}
} // namespace

SDL_Surface* RawImageData::createArgbSurface(int width, int height)
{
	return SDL_CreateRGBSurface(0, width, height, 32, redMask, greenMask, blueMask, alphaMask);
}

int RawImageData::wrapCoordinate(int value, int size)
{
	int result = value % size;
	return result < 0 ? result + size : result;
}

int rotatedSourceX(int sw, int j, int i, int r, int left, int top)
{
	switch (r)
	{
	case 1: return i + top;
	case 2: return sw - j - left - 1;
	case 3: return sw - i - top - 1;
	default: return j + left;
	}
}

int rotatedSourceY(int sh, int j, int i, int r, int left, int top)
{
	switch (r)
	{
	case 1: return sh - left - j - 1;
	case 2: return sh - i - top - 1;
	case 3: return j + left;
	default: return i + top;
	}
}

RawImageData::RawImageData(std::string url) : m_url(std::move(url))
{
}

RawImageData::RawImageData(const RawImageData& source, int factor)
{
	if (factor < 1 || source.isEmpty())
		return;
	allocateOwnedPixels(source.m_width / factor, source.m_height / factor);
	for (int i = 0; i < m_width; i++)
		for (int j = 0; j < m_height; j++)
			m_pixels[static_cast<size_t>(j) * m_width + i] = source.getRawPixel(factor * i, factor * j);
}

RawImageData::RawImageData(int width, int height, const RawImageData& source)
{
	if (width <= 0 || height <= 0 || source.isEmpty())
		return;
	allocateOwnedPixels(width, height);
	for (int i = 0; i < m_height; i++)
	{
		int sourceY = static_cast<int>(static_cast<int64_t>(i) * source.m_height / height);
		for (int j = 0; j < m_width; j++)
		{
			int sourceX = static_cast<int>(static_cast<int64_t>(j) * source.m_width / width);
			m_pixels[static_cast<size_t>(i) * m_width + j] = source.getRawPixel(sourceX, sourceY);
		}
	}
}

RawImageData::~RawImageData()
{
	freeSurface();
}

void RawImageData::allocateOwnedPixels(int width, int height)
{
	m_width = width;
	m_height = height;
	if (width <= 0 || height <= 0)
		return;
	m_ownedPixels.reset(new uint32_t[static_cast<size_t>(width) * height]);
	m_pixels = m_ownedPixels.get();
}

void RawImageData::clear()
{
	freeSurface();
	m_ownedPixels.reset();
	m_pixels = nullptr;
	m_width = 0;
	m_height = 0;
}

void RawImageData::freeSurface()
{
	if (m_surface)
	{
		if (m_pixels == m_surface->pixels)
			m_pixels = nullptr;
		SDL_FreeSurface(m_surface);
		m_surface = nullptr;
	}
}

bool RawImageData::loadImage(const std::string& fileName, int rotation, int top, int bottom, int left, int right)
{
	// Unsupported turns or negative margins would read outside the picture.
	if (rotation < 0 || rotation > 3 || top < 0 || bottom < 0 || left < 0 || right < 0)
		return false;

	SDL_Surface* converted = loadConvertedSurface(fileName);
	if (!converted)
		return false;
	const int sw = converted->w;
	const int sh = converted->h;

	// The margins apply to the turned image: left and right cut its width, top and bottom its
	// height, so every source position of the turn table stays inside the picture.
	const bool quarterTurn = (rotation % 2) == 1;
	const int width = (quarterTurn ? sh : sw) - left - right;
	const int height = (quarterTurn ? sw : sh) - top - bottom;
	if (width <= 0 || height <= 0)
	{
		SDL_FreeSurface(converted);
		clear();
		return false;
	}

	clear();
	m_surface = createArgbSurface(width, height);
	if (!m_surface)
	{
		diagnosticPrintf("Error creating surface in RawImage::loadImage() !");
		SDL_FreeSurface(converted);
		return false;
	}
	m_width = width;
	m_height = height;
	m_pixels = static_cast<uint32_t*>(m_surface->pixels);

	const uint32_t* source = static_cast<const uint32_t*>(converted->pixels);
	const int sourceStride = converted->pitch / 4;
	for (int i = 0; i < height; i++)
		for (int j = 0; j < width; j++)
		{
			int sx = rotatedSourceX(sw, j, i, rotation, left, top);
			int sy = rotatedSourceY(sh, j, i, rotation, left, top);
			m_pixels[static_cast<size_t>(i) * width + j] = source[static_cast<size_t>(sy) * sourceStride + sx] | opaque;
		}
	SDL_FreeSurface(converted);
	return true;
}

int RawImageData::getWrappedPixelColour(int x, int y) const
{
	if (isEmpty())
		return 0;
	return static_cast<int>(getRawPixel(wrapCoordinate(x, m_width), wrapCoordinate(y, m_height)) & colourBits);
}

void RawImageData::makeOpaque()
{
	const size_t count = isEmpty() ? 0 : static_cast<size_t>(m_width) * m_height;
	for (size_t k = 0; k < count; k++)
		m_pixels[k] |= opaque;
}

void RawImageData::setTransparencyColour(int colour)
{
	const uint32_t key = static_cast<uint32_t>(colour) & colourBits;
	const size_t count = isEmpty() ? 0 : static_cast<size_t>(m_width) * m_height;
	for (size_t k = 0; k < count; k++)
	{
		uint32_t rgb = m_pixels[k] & colourBits;
		m_pixels[k] = rgb == key ? rgb : (rgb | opaque);
	}
}
