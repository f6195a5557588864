#include "ImageHandle.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "BaseEngine.h"
#include "CoordinateMapping.h"
#include "CroppedCoordinateMapping.h"
#include "FilterChain.h"
#include "PixelSurface.h"
#include "RawImageData.h"
#include "SaturatingInt.h"
#include "VisibleArea.h"

namespace
{
// Sample points further out than this are treated as off the image (and keep the
// rounding below inside int range).
const double largestSamplePoint = 1e9;

int mixChannel(int image, int surface, int percent, int shift)
{
	int c = (image >> shift) & 0xFF;
	int e = (surface >> shift) & 0xFF;
	return (((c * percent + e * (100 - percent)) / 100) & 0xFF) << shift;
}

// Source position for destination offset d of a span of destinationSize that shows sourceSize
// pixels, picked as SDL's scaled blit picks it: a 16.16 fixed-point step, starting half a step
// in, so that shrinking takes the middle of each group and every column has its turn.
int64_t scaledSource(int start, int d, int sourceSize, int destinationSize)
{
	const int64_t step = (static_cast<int64_t>(sourceSize) << 16) / destinationSize;
	return start + ((step / 2 + d * step) >> 16);
}

// Virtual bounds, all four inclusive.
struct RedrawnPoints
{
	int64_t left, top, right, bottom;
};

// The virtual points a partial frame can change when drawn on the surface. Through a chain of
// the framework's own filters ending in the engine's clip these are exactly the points landing
// in the area the clip accepts, its right column and bottom row included; under a zoom-out
// several virtual columns and rows land on each screen one. Through any other filter nothing
// tells where points land, and the dirty rectangle, both ends included, is taken.
RedrawnPoints partialFramePoints(const BaseEngine& engine, const PixelSurface& surface)
{
	FilterChain chain;
	if (chain.read(surface.getFilter()) && chain.endsInClip())
	{
		const VisibleArea landing = VisibleArea::clippedBy(chain);
		return {landing.minX(), landing.minY(), landing.maxX(), landing.maxY()};
	}
	return {engine.getDirtyVirtualLeft(), engine.getDirtyVirtualTop(), engine.getDirtyVirtualRight(),
		engine.getDirtyVirtualBottom()};
}

// The screen area of the surface a blit may change: what the engine's clip accepts. During a
// partial redraw the surface's redraw bounds end at the dirty rectangle's right column and
// bottom row, which the clip accepts too. During a whole redraw, and with no redraw pending
// (drawing outside a frame), the clip accepts the whole surface.
SDL_Rect redrawClip(const PixelSurface& surface)
{
	const BaseEngine* engine = surface.getEngine();
	const bool partial = engine != nullptr && engine->isRedrawPending() && !engine->isWholeScreenRedraw();
	if (!partial)
		return {0, 0, surface.getWidth(), surface.getHeight()};
	const int right = std::min(surface.getRedrawScreenMaxX(), surface.getWidth() - 1);
	const int bottom = std::min(surface.getRedrawScreenMaxY(), surface.getHeight() - 1);
	SDL_Rect clip;
	clip.x = surface.getRedrawScreenMinX();
	clip.y = surface.getRedrawScreenMinY();
	clip.w = valuesFromTo(clip.x, right);
	clip.h = valuesFromTo(clip.y, bottom);
	return clip;
}
} // namespace

ImageHandle::ImageHandle()
{
}

ImageHandle::ImageHandle(std::shared_ptr<RawImageData> image) : m_image(std::move(image))
{
}

ImageHandle::ImageHandle(const ImageHandle& other)
	: m_transparencyColour(other.m_transparencyColour), m_image(other.m_image)
{
}

ImageHandle& ImageHandle::operator=(const ImageHandle& other)
{
	if (this != &other)
	{
		m_transparencyColour = other.m_transparencyColour;
		m_image = other.m_image;
		// The scratch surface was sized for the old picture; this handle keeps owning only its own.
		freeScaledSurface();
	}
	return *this;
}

ImageHandle::ImageHandle(ImageHandle&& other) noexcept
	: m_transparencyColour(other.m_transparencyColour), m_image(std::move(other.m_image)),
	  m_scaledSurface(other.m_scaledSurface)
{
	other.m_scaledSurface = nullptr;
}

ImageHandle& ImageHandle::operator=(ImageHandle&& other) noexcept
{
	if (this != &other)
	{
		freeScaledSurface();
		m_transparencyColour = other.m_transparencyColour;
		m_image = std::move(other.m_image);
		m_scaledSurface = other.m_scaledSurface;
		other.m_scaledSurface = nullptr;
	}
	return *this;
}

ImageHandle::~ImageHandle()
{
	freeScaledSurface();
}

void ImageHandle::freeScaledSurface()
{
	if (m_scaledSurface)
	{
		SDL_FreeSurface(m_scaledSurface);
		m_scaledSurface = nullptr;
	}
}

std::string ImageHandle::getURL() const
{
	return m_image ? m_image->getURL() : std::string();
}

int ImageHandle::getPixelColour(int x, int y) const
{
	return m_image ? m_image->getPixelColour(x, y) : 0;
}

void ImageHandle::setTransparencyColour(int colour)
{
	m_transparencyColour = colour;
	if (!m_image)
		return;
	if (colour == noColour)
		m_image->makeOpaque();
	else
		m_image->setTransparencyColour(colour);
}

ImageHandle ImageHandle::makeShrunkCopy(int factor) const
{
	if (!m_image || factor < 1)
		return ImageHandle();
	return ImageHandle(std::make_shared<RawImageData>(*m_image, factor));
}

namespace
{
// One axis of a surface, for clipping a rectangle along it.
struct SurfaceAxis
{
	const PixelSurface* surface;
	int (PixelSurface::*toScreen)(int) const;
	int (PixelSurface::*toVirtual)(int) const;
	int size;

	int screen(int value) const { return (surface->*toScreen)(value); }
	long long virtualOf(int value) const { return (surface->*toVirtual)(value); }
};

// The screen edges of the run of length virtual values from start; the far edge in 64 bits.
struct ScreenRun
{
	int first;
	long long last;

	bool reaches(const SurfaceAxis& axis) const { return last >= 0 && first < axis.size; }
};

ScreenRun screenRun(const SurfaceAxis& axis, int start, int length)
{
	const int first = axis.screen(start);
	return {first, static_cast<long long>(axis.screen(length)) - axis.screen(0) + first};
}

// Cuts the run to the surface: the part before its near edge moves the start of both the
// destination and the source; a far edge past the int range ends the run at the surface's edge.
void cutToSurface(const SurfaceAxis& axis, const ScreenRun& run, int& src, int& dst, int& length)
{
	if (run.first < 0)
	{
		const long long d = axis.virtualOf(0) - axis.virtualOf(run.first);
		dst = clampToInt(dst + d);
		src = clampToInt(src + d);
		length = clampToInt(length - d);
	}
	if (run.last > INT_MAX)
		length = clampToInt(axis.virtualOf(axis.size) - dst);
	else if (run.last > axis.size)
		length = clampToInt(length - (axis.virtualOf(static_cast<int>(run.last)) - axis.virtualOf(axis.size)));
}
} // namespace

// Worked out in 64 bits and brought back into the int range: a far-off rectangle, a huge size or
// a filter at its limits then clips like any other instead of wrapping round.
bool ImageHandle::clipToSurface(PixelSurface* surface, int& srcX, int& srcY, int& dstX, int& dstY, int& w, int& h) const
{
	const SurfaceAxis across{surface, &PixelSurface::toScreenX, &PixelSurface::toVirtualX, surface->getWidth()};
	const SurfaceAxis down{surface, &PixelSurface::toScreenY, &PixelSurface::toVirtualY, surface->getHeight()};
	const ScreenRun columns = screenRun(across, dstX, w);
	if (!columns.reaches(across))
		return false;
	const ScreenRun rows = screenRun(down, dstY, h);
	if (!rows.reaches(down))
		return false;
	cutToSurface(across, columns, srcX, dstX, w);
	cutToSurface(down, rows, srcY, dstY, h);
	return true;
}

// The loop shared by the per-pixel ways: clip, then visit every image pixel of the
// rectangle (wrapping around the image) whose colour is not skipColour.
template <typename PixelWriter>
void ImageHandle::renderEachPixel(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h,
	int skipColour, PixelWriter write) const
{
	const RawImageData& image = *m_image;
	const int imageWidth = image.getWidth();
	const int imageHeight = image.getHeight();
	const int firstColumn = RawImageData::wrapCoordinate(srcX, imageWidth);
	for (int i = 0; i < h; i++)
	{
		const uint32_t* row = image.getPixels() + static_cast<size_t>(RawImageData::wrapCoordinate(srcY + i, imageHeight)) * imageWidth;
		int column = firstColumn;
		for (int j = 0; j < w; j++)
		{
			const int colour = static_cast<int>(row[column] & 0xFFFFFF);
			if (colour != skipColour)
				write(surface, dstX + j, dstY + i, colour);
			if (++column == imageWidth)
				column = 0;
		}
	}
}

void ImageHandle::render(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h) const
{
	if (!m_image || m_image->isEmpty() || !clipToSurface(surface, srcX, srcY, dstX, dstY, w, h))
		return;
	renderEachPixel(surface, srcX, srcY, dstX, dstY, w, h, m_transparencyColour,
		[](PixelSurface* s, int x, int y, int colour) { s->setPixel(x, y, static_cast<unsigned int>(colour)); });
}

void ImageHandle::renderWithMask(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h, int mask) const
{
	if (!m_image || m_image->isEmpty() || !clipToSurface(surface, srcX, srcY, dstX, dstY, w, h))
		return;
	if (mask == noColour)
		mask = m_image->getPixelColour(m_image->getWidth() - 1, m_image->getHeight() - 1);
	renderEachPixel(surface, srcX, srcY, dstX, dstY, w, h, mask,
		[](PixelSurface* s, int x, int y, int colour) { s->setPixel(x, y, static_cast<unsigned int>(colour)); });
}

void ImageHandle::renderBlended(PixelSurface* surface, int srcX, int srcY, int dstX, int dstY, int w, int h,
	int transparent, int percent) const
{
	if (!m_image || m_image->isEmpty() || !clipToSurface(surface, srcX, srcY, dstX, dstY, w, h))
		return;
	renderEachPixel(surface, srcX, srcY, dstX, dstY, w, h, transparent,
		[percent](PixelSurface* s, int x, int y, int colour) {
			// Read where the pixel will land, so a zoomed or scrolled surface mixes with what is under it.
			const int existing = static_cast<int>(s->getFilteredPixel(x, y));
			const int mixed = mixChannel(colour, existing, percent, 16) | mixChannel(colour, existing, percent, 8)
				| mixChannel(colour, existing, percent, 0);
			s->setPixel(x, y, static_cast<unsigned int>(mixed));
		});
}

bool ImageHandle::ensureScaledSurface(int width, int height)
{
	if (m_scaledSurface && m_scaledSurface->w >= width && m_scaledSurface->h >= height)
		return true;
	freeScaledSurface();
	m_scaledSurface = RawImageData::createArgbSurface(width, height);
	return m_scaledSurface != nullptr;
}

void ImageHandle::renderScaled(BaseEngine* engine, PixelSurface* surface, int dstX, int dstY, int dstW, int dstH,
	int srcX, int srcY, int srcW, int srcH)
{
	if (!m_image || !m_image->getSurface() || srcW <= 0 || srcH <= 0)
		return;
	SDL_Surface* target = surface->getSDLSurface();
	const int sx1 = engine->toScreenX(dstX);
	const int sy1 = engine->toScreenY(dstY);
	const int sx2 = engine->toScreenX(saturatingAdd(dstX, dstW));
	const int sy2 = engine->toScreenY(saturatingAdd(dstY, dstH));
	if (!target || sx2 < 0 || sy2 < 0 || sx1 >= surface->getWidth() || sy1 >= surface->getHeight())
		return;
	// A scaled size beyond the int range cannot be blitted (nor stepped through) at all.
	const int64_t scaledWidth = static_cast<int64_t>(sx2) - sx1;
	const int64_t scaledHeight = static_cast<int64_t>(sy2) - sy1;
	if (scaledWidth <= 0 || scaledHeight <= 0 || scaledWidth > INT_MAX || scaledHeight > INT_MAX)
		return;
	const int scaledW = static_cast<int>(scaledWidth);
	const int scaledH = static_cast<int>(scaledHeight);

	// Only the part inside the redraw area is ever produced, so a high zoom costs what is seen.
	const SDL_Rect clip = redrawClip(*surface);
	const int visibleX1 = std::max(sx1, clip.x);
	const int visibleY1 = std::max(sy1, clip.y);
	const int visibleX2 = std::min(sx2, clip.x + clip.w);
	const int visibleY2 = std::min(sy2, clip.y + clip.h);
	if (visibleX2 <= visibleX1 || visibleY2 <= visibleY1)
		return;

	SDL_Surface* source = m_image->getSurface();
	SDL_Rect sourceRect = { srcX, srcY, srcW, srcH };
	SDL_Rect destinationRect = { sx1, sy1, scaledW, scaledH };
	if (srcW != scaledW || srcH != scaledH)
	{
		const int visibleW = visibleX2 - visibleX1;
		const int visibleH = visibleY2 - visibleY1;
		if (!ensureScaledSurface(visibleW, visibleH))
			return;
		fillScaledSurface(static_cast<int>(static_cast<int64_t>(visibleX1) - sx1),
			static_cast<int>(static_cast<int64_t>(visibleY1) - sy1), visibleW, visibleH, scaledW, scaledH,
			srcX, srcY, srcW, srcH);
		source = m_scaledSurface;
		sourceRect = { 0, 0, visibleW, visibleH };
		destinationRect = { visibleX1, visibleY1, visibleW, visibleH };
	}

	surface->mySDLTempUnlockSurface();
	SDL_SetClipRect(target, &clip);
	SDL_UpperBlit(source, &sourceRect, target, &destinationRect);
	SDL_SetClipRect(target, nullptr);
	surface->mySDLTempRelockSurface();
}

// Nearest-neighbour scaling of the source rectangle to scaledW x scaledH, producing only the
// part (offsetX, offsetY, width, height) of it; points off the image come out transparent.
void ImageHandle::fillScaledSurface(int offsetX, int offsetY, int width, int height, int scaledW, int scaledH,
	int srcX, int srcY, int srcW, int srcH)
{
	const RawImageData& image = *m_image;
	const int rowStride = m_scaledSurface->pitch / 4;
	uint32_t* pixels = static_cast<uint32_t*>(m_scaledSurface->pixels);
	std::vector<int64_t> sourceColumns(static_cast<size_t>(width));
	for (int j = 0; j < width; j++)
		sourceColumns[j] = scaledSource(srcX, offsetX + j, srcW, scaledW);
	for (int i = 0; i < height; i++)
	{
		uint32_t* row = pixels + static_cast<size_t>(i) * rowStride;
		const int64_t sourceY = scaledSource(srcY, offsetY + i, srcH, scaledH);
		if (sourceY < 0 || sourceY >= image.getHeight())
		{
			std::memset(row, 0, static_cast<size_t>(width) * sizeof(uint32_t));
			continue;
		}
		for (int j = 0; j < width; j++)
		{
			const int64_t sourceX = sourceColumns[j];
			row[j] = (sourceX < 0 || sourceX >= image.getWidth())
				? 0u
				: image.getRawPixel(static_cast<int>(sourceX), static_cast<int>(sourceY));
		}
	}
}

void ImageHandle::renderThroughMapping(BaseEngine* engine, PixelSurface* surface, int x, int y, int w, int h,
	CoordinateMapping* mapping) const
{
	if (!m_image || m_image->isEmpty() || !engine)
		return;
	if (!mapping)
		mapping = &defaultCroppedMapping;

	const int vL = engine->toVirtualX(0);
	const int vT = engine->toVirtualY(0);
	const int vR = engine->toVirtualX(engine->getWindowWidth());
	const int vB = engine->toVirtualY(engine->getWindowHeight());
	// With no redraw pending the engine's filter accepts every point, as for a whole redraw.
	const bool partial = engine->isRedrawPending() && !engine->isWholeScreenRedraw();

	// Worked out in 64 bits: a rectangle at the int limits, or one of negative size, then
	// clips like any other instead of wrapping round.
	const int64_t left = x;
	const int64_t top = y;
	const int64_t right = left + w;
	const int64_t bottom = top + h;
	if (!partial && (left > vR || right < vL || top > vB || bottom < vT))
		return;

	// The offsets (j, i) of the rectangle that can show: inside the window, and during a partial
	// redraw inside what the frame changes. Every point they give lies in the int range.
	int64_t xs = 0, xe = w, ys = 0, ye = h;
	if (left + xs < vL) xs = vL - left;
	if (top + ys < vT) ys = vT - top;
	if (left + xe > vR) xe = vR - left;
	if (top + ye > vB) ye = vB - top;
	if (partial)
	{
		const RedrawnPoints redrawn = partialFramePoints(*engine, *surface);
		xs = std::max(xs, redrawn.left - left);
		ys = std::max(ys, redrawn.top - top);
		xe = std::min(xe, redrawn.right + 1 - left);
		ye = std::min(ye, redrawn.bottom + 1 - top);
	}
	if (xe <= xs || ye <= ys)
		return;

	const RawImageData& image = *m_image;
	for (int64_t i = ys; i < ye; i++)
		for (int64_t j = xs; j < xe; j++)
		{
			double mx = static_cast<double>(j);
			double my = static_cast<double>(i);
			if (!mapping->mapCoordinates(mx, my, *this))
				continue;
			if (!(std::fabs(mx) < largestSamplePoint && std::fabs(my) < largestSamplePoint))
				continue;
			int colour = image.getPixelColour(static_cast<int>(mx + 0.5), static_cast<int>(my + 0.5));
			const int px = static_cast<int>(left + j);
			const int py = static_cast<int>(top + i);
			if (mapping->filterPixelColour(px, py, colour, surface))
				surface->setPixel(px, py, static_cast<unsigned int>(colour));
		}
}
