#pragma once
// Per-pixel mapping used when an image is drawn pixel by pixel: for each destination
// pixel it says which image point to sample and what colour finally to draw, or that
// the pixel is not drawn at all. Programs subclass it for effects of their own.
//
// ImageHandle::renderThroughMapping() (and MappableImageObject) calls, for each destination
// pixel of the rectangle's visible part, mapCoordinates() and then, with the colour of the
// image pixel nearest the point, filterPixelColour(); the pixel is then written through the
// surface's point filter. Neither the handle's transparency colour nor the image's alpha
// applies: a mapping returns false for the pixels it leaves undrawn. Mappings belong to
// their users (members or globals); drawing does not take them over.

#include "ImageHandle.h"

class PixelSurface;

class CoordinateMapping
{
public:
	// Nothing to set up or release here; subclasses keep their own settings.
	CoordinateMapping() {}
	virtual ~CoordinateMapping() {}

	// In: offsets of the destination pixel inside the drawn rectangle. Out: the image
	// point to sample. False: the pixel is not drawn.
	virtual bool mapCoordinates(double& x, double& y, const ImageHandle& image) = 0;
	// x, y: the destination pixel (virtual); colour: the sampled 24-bit colour, which may be
	// changed. False: the pixel is not drawn. Default: true, the colour as sampled.
	virtual bool filterPixelColour(int x, int y, int& colour, PixelSurface* surface)
	{
		(void)x; (void)y; (void)colour; (void)surface;
		return true;
	}

protected:
	// True when (x, y) samples a pixel inside the image once rounded to the nearest pixel.
	// Mappings test every drawn pixel with it, twice, so it is inline.
	static bool isInsideImage(double x, double y, const ImageHandle& image)
	{
		return x >= 0 && y >= 0 && x < image.getWidth() - 0.5 && y < image.getHeight() - 0.5;
	}
};
