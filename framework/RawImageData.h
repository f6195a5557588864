#pragma once
// One image held in memory as 32-bit ARGB pixels (alpha 0xFF drawn, 0 transparent):
// loaded from a file (cropped and turned by quarter turns) or made as a shrunk or
// resampled copy of another image. Shared between the image cache and image handles.

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

class RawImageData
{
public:
	// An empty image that remembers the name it will be loaded from.
	explicit RawImageData(std::string url);
	// Shrunk copy: every factor x factor block of the source gives its top-left pixel.
	RawImageData(const RawImageData& source, int factor);
	// Copy resampled to width x height by nearest neighbour (top-left of each source cell).
	RawImageData(int width, int height, const RawImageData& source);
	// Frees the SDL surface of a loaded picture, or the pixels of a copy.
	~RawImageData();
	// Not copyable: one image owns its pixels; share it through std::shared_ptr.
	RawImageData(const RawImageData&) = delete;
	RawImageData& operator=(const RawImageData&) = delete;

	// Loads the file into this image; rotation is 0 to 3 quarter turns clockwise and the
	// margins are pixel counts cut off the turned image. False leaves the image empty.
	// (A file that cannot be read, or a rotation or margin out of range, leaves an earlier
	// picture as it was.) Every pixel comes out opaque: see-through parts of a picture turn black.
	bool loadImage(const std::string& fileName, int rotation, int top, int bottom, int left, int right);
	// Frees a loaded picture's SDL surface and with it the pixels: the image then draws as
	// empty (isEmpty()), though getWidth() and getHeight() keep the old size.
	void freeSurface();

	// Size in pixels (0 until loaded), the file name (empty for copies) and the SDL surface
	// holding a loaded picture's pixels (owned by the image; null for copies).
	int getWidth() const { return m_width; }
	int getHeight() const { return m_height; }
	const std::string& getURL() const { return m_url; }
	SDL_Surface* getSurface() const { return m_surface; }
	// A 32-bit surface in the framework's ARGB layout (rows exactly width values apart).
	static SDL_Surface* createArgbSurface(int width, int height);
	// value modulo size, never negative.
	static int wrapCoordinate(int value, int size);

	// No pixels to draw: not loaded, failed, freed, or of no size.
	bool isEmpty() const { return m_pixels == nullptr || m_width <= 0 || m_height <= 0; }

	// Colour (24 bits) at (x, y), the coordinates wrapping around the image; 0 for an empty
	// image. Per-pixel drawing reads inside the image nearly always, so that case is inline.
	int getPixelColour(int x, int y) const
	{
		if (m_pixels != nullptr && static_cast<unsigned int>(x) < static_cast<unsigned int>(m_width)
			&& static_cast<unsigned int>(y) < static_cast<unsigned int>(m_height))
			return static_cast<int>(getRawPixel(x, y) & colourBits);
		return getWrappedPixelColour(x, y);
	}
	// The stored 32-bit value at (x, y), alpha included; the caller keeps (x, y) inside the image.
	uint32_t getRawPixel(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
	// Every pixel, row after row, width values a row; null when empty.
	const uint32_t* getPixels() const { return m_pixels; }

	// Sets every pixel's alpha to 0xFF (undoes setTransparencyColour()).
	void makeOpaque();
	// Pixels of this colour (low 24 bits) become transparent, every other pixel opaque.
	void setTransparencyColour(int colour);

private:
	static const uint32_t colourBits = 0xFFFFFFu;

	int getWrappedPixelColour(int x, int y) const;
	void clear();
	void allocateOwnedPixels(int width, int height);

	int m_width = 0;
	int m_height = 0;
	uint32_t* m_pixels = nullptr;
	std::string m_url;
	SDL_Surface* m_surface = nullptr;
	std::unique_ptr<uint32_t[]> m_ownedPixels;
};

// Source column and row, in the unturned picture of width sw / height sh, of pixel (j, i)
// of the image produced with rotation r and the left and top margins.
int rotatedSourceX(int sw, int j, int i, int r, int left, int top);
int rotatedSourceY(int sh, int j, int i, int r, int left, int top);
