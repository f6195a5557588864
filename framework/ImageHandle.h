#pragma once
// The value an object keeps to draw an image: a shared reference to the image data, the
// handle's own transparency colour, and a private scratch surface for scaled drawing.
// The per-pixel drawing ways write through the surface's point filter, so zoom, scroll
// and dirty-rectangle clipping apply to every image pixel.
//
// Which drawing honours which transparency:
//   render()                skips the handle's transparency colour (-1: draws every pixel);
//   renderWithMask()        skips the mask colour, by default the colour of the picture's
//                           bottom-right pixel (the image objects draw this way);
//   renderBlended()         skips its transparent colour and mixes the rest with the surface;
//   renderScaled()          honours the picture's alpha (set by setTransparencyColour()): it
//                           is an SDL blit, placed through the engine's conversions and clipped
//                           to the redraw area, but not filtered point by point;
//   renderThroughMapping()  leaves every pixel to the mapping.
// Source positions are image pixels (a rectangle larger than the image repeats it);
// destinations are virtual coordinates. The caller holds the surface's lock.

#include <SDL.h>

#include <memory>
#include <string>

#include "RawImageData.h"

class BaseEngine;
class CoordinateMapping;
class PixelSurface;

class ImageHandle
{
public:
	// "No colour": no transparency colour, or (as a mask) the picture's bottom-right pixel colour.
	static const int noColour = -1;

	// An empty handle (nothing loaded), transparency colour -1.
	ImageHandle();
	// A handle on the shared image (null: empty), transparency colour -1; the image cache
	// makes its handles this way.
	explicit ImageHandle(std::shared_ptr<RawImageData> image);
	// Copies share the image and take the transparency colour; the scratch surface is never shared.
	ImageHandle(const ImageHandle& other);
	ImageHandle& operator=(const ImageHandle& other);
	// A move takes the scratch surface along and leaves the other handle empty.
	ImageHandle(ImageHandle&& other) noexcept;
	ImageHandle& operator=(ImageHandle&& other) noexcept;
	// Frees the scratch surface; the image goes once its last holder (cache or handle) does.
	~ImageHandle();

	// An empty handle (nothing loaded) reports 0 x 0, colour 0, name "" and draws nothing.
	bool isLoaded() const { return m_image != nullptr; }
	int getWidth() const { return m_image ? m_image->getWidth() : 0; }
	int getHeight() const { return m_image ? m_image->getHeight() : 0; }
	std::string getURL() const;
	// 24-bit colour, the coordinates wrapping around the image.
	int getPixelColour(int x, int y) const;
	// The shared image: a new reference, or the handle's own one.
	std::shared_ptr<RawImageData> getRawImageData() const { return m_image; }
	const std::shared_ptr<RawImageData>& getImageData() const { return m_image; }

	// The colour render() leaves out (-1: none); this handle's own, not the shared image's.
	int getTransparencyColour() const { return m_transparencyColour; }
	// Also changes the shared image's alpha, for every handle on it and for renderScaled():
	// -1 makes it all opaque, else this colour transparent.
	void setTransparencyColour(int colour);
	// A handle on a new shrunk copy, not entered in the cache.
	ImageHandle makeShrunkCopy(int factor) const;

	// Clips the rectangle (virtual coordinates) to the surface; false when nothing reaches it.
	bool clipToSurface(PixelSurface* surface, int& srcX, int& srcY, int& dstX, int& dstY, int& w, int& h) const;
	// Pixels whose colour differs from the handle's transparency colour (all when it is -1).
	void render(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h) const;
	// Pixels whose colour differs from the mask; -1 means the image's bottom-right pixel colour.
	void renderWithMask(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h, int mask = -1) const;
	// Pixels other than the transparent colour, mixed percent : (100 - percent) with the surface.
	void renderBlended(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h,
		int transparent, int percent) const;
	// Called while the surface is locked: the source rectangle stretched onto the destination
	// rectangle, honouring the image's alpha, clipped to what the engine's clip accepts (in a
	// partial frame the dirty rectangle, its right column and bottom row included; in a whole
	// frame or with no redraw pending the whole surface).
	// Shrunk and resized copies have no SDL surface and draw nothing this way. A source
	// rectangle reaching past the picture is not repeated: that part stays undrawn.
	void renderScaled(BaseEngine* engine, PixelSurface* surface, int dstX, int dstY, int dstW, int dstH,
		int srcX, int srcY, int srcW, int srcH);
	// Called while the surface is locked, in a frame or between frames: each destination pixel
	// taken from where the mapping says (null: the default cropped mapping). Only the offsets
	// inside the window are worked through, and during a partial redraw only those whose points
	// the engine's clip can accept (under a zoom-out every virtual column and row landing on
	// the accepted area); with no redraw pending the whole window counts, as for the engine's filter.
	void renderThroughMapping(BaseEngine* engine, PixelSurface* surface, int x, int y, int w, int h,
		CoordinateMapping* mapping = nullptr) const;

	// The scratch surface of scaled drawing (null until a scaled draw needed one).
	SDL_Surface* getScaledSurface() const { return m_scaledSurface; }

private:
	void freeScaledSurface();
	bool ensureScaledSurface(int width, int height);
	void fillScaledSurface(int offsetX, int offsetY, int width, int height, int scaledW, int scaledH,
		int srcX, int srcY, int srcW, int srcH);
	template <typename PixelWriter>
	void renderEachPixel(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h,
		int skipColour, PixelWriter write) const;

	int m_transparencyColour = -1;
	std::shared_ptr<RawImageData> m_image;
	SDL_Surface* m_scaledSurface = nullptr;
};
