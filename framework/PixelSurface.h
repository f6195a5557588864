#pragma once
// A 32-bit ARGB software drawing surface over one SDL surface: counted locking, pixel
// access through an optional point filter, coordinate conversion, fills, copies, upload
// into the window's texture, and every drawing primitive and text operation.

#include <SDL.h>

#include "FilterPoints.h"

class BaseEngine;
class FontEntry;

class PixelSurface
{
public:
	explicit PixelSurface(BaseEngine* engine);
	// Releases nothing: whoever made a surface that must go early frees it via getSDLSurface().
	~PixelSurface() {}

	void createSurface(int width, int height);
	SDL_Surface* getSDLSurface() const { return m_surface; }
	// Forgets the wrapped surface after its owner has freed it.
	void releaseSDLSurface()
	{
		m_surface = nullptr;
		updatePlainWrites();
	}
	int getWidth() const { return m_surface ? m_surface->w : 0; }
	int getHeight() const { return m_surface ? m_surface->h : 0; }
	unsigned int getIntsPerRow() const { return m_surface ? static_cast<unsigned int>(m_surface->pitch) / 4u : 0u; }
	BaseEngine* getEngine() const { return m_engine; }

	void setFilter(FilterPoints* filter) { m_filter = filter; }
	FilterPoints* getFilter() const { return m_filter; }

	// Locking: counted; the SDL lock is taken only for surfaces that need one.
	void mySDLLockSurface();
	void mySDLUnlockSurface();
	void mySDLTempUnlockSurface();
	void mySDLTempRelockSurface();
	void warnIfNotLockedForWrite() const;
	void warnIfLockedForBlit() const;
	int getLockCount() const { return m_lockCount; }

	// Pixels. Every primitive and per-pixel image draw ends here, so the common case (a
	// locked surface, a point inside it) is inline; warnings and reports are out of line.
	void rawSetPixel(int x, int y, unsigned int colour)
	{
		if (m_plainPixels != nullptr && static_cast<unsigned int>(x) < m_plainWidth
			&& static_cast<unsigned int>(y) < m_plainHeight)
			m_plainPixels[static_cast<unsigned int>(y) * m_plainIntsPerRow + static_cast<unsigned int>(x)] = colour | opaqueAlpha;
		else
			rawSetPixelChecked(x, y, colour);
	}
	void setPixel(int x, int y, unsigned int colour)
	{
		if (m_filter == nullptr)
			rawSetPixel(x, y, colour | opaqueAlpha);
		else if (m_filter->filterPoint(this, x, y, colour))
			rawSetPixel(x, y, colour | opaqueAlpha);
	}
	unsigned int getPixel(int x, int y) const { return contains(x, y) ? pixelAt(x, y) : 0; }
	// Reads through the filter; the filter may move the point but the surface is not written.
	unsigned int getFilteredPixel(int x, int y);

	// Whole-surface operations.
	void fill(unsigned int colour);
	void copyEntireSurface(PixelSurface* source);
	void copyRectangleFrom(PixelSurface* source, int x, int y, int w, int h, int offsetX = 0, int offsetY = 0);
	void updateTexture(SDL_Texture* texture);

	// Coordinates: virtual <-> screen through the filter; identity without one.
	int toVirtualX(int x) const;
	int toVirtualY(int y) const;
	int toScreenX(int x) const;
	int toScreenY(int y) const;

	// The part of this surface that the engine's current redraw touches.
	int getRedrawScreenMinX() const;
	int getRedrawScreenMinY() const;
	int getRedrawScreenMaxX() const;
	int getRedrawScreenMaxY() const;
	int getRedrawVirtualMinX() const;
	int getRedrawVirtualMinY() const;
	int getRedrawVirtualMaxX() const;
	int getRedrawVirtualMaxY() const;

	// Primitives (all through setPixel except rawDrawOval and blitString).
	void drawLine(double x1, double y1, double x2, double y2, unsigned int colour);
	void drawThickLine(double x1, double y1, double x2, double y2, unsigned int colour, int thickness);
	void drawShortenedLine(int x1, int y1, int x2, int y2, int startGap, int endGap, unsigned int colour, int thickness);
	void drawArrow(int x1, int y1, int x2, int y2, int startGap, int endGap, unsigned int colour, int thickness, int headSize);
	void drawTrapezium(double xLeft, double xRight, double yFirstLeft, double yFirstRight,
		double ySecondLeft, double ySecondRight, unsigned int colour);
	void drawTriangle(double x1, double y1, double x2, double y2, double x3, double y3, unsigned int colour);
	// Vertices clockwise on the screen; the arrays are consumed (ears are removed from them).
	void drawPolygon(int count, double* xs, double* ys, unsigned int colour);
	void drawRectangle(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawOval(int x1, int y1, int x2, int y2, unsigned int colour);
	void rawDrawOval(int x1, int y1, int x2, int y2, unsigned int colour);
	void drawHollowOval(int x1, int y1, int x2, int y2, int innerX1, int innerY1, int innerX2, int innerY2, unsigned int colour);
	void drawString(int x, int y, const char* text, unsigned int colour, FontEntry* font = nullptr);
	void blitString(int x, int y, const char* text, unsigned int colour, FontEntry* font = nullptr);

private:
	static const unsigned int opaqueAlpha = 0xFF000000u;

	bool contains(int x, int y) const
	{
		return m_surface != nullptr && x >= 0 && y >= 0 && x < m_surface->w && y < m_surface->h;
	}
	unsigned int& pixelAt(int x, int y) const
	{
		return static_cast<unsigned int*>(m_surface->pixels)[y * getIntsPerRow() + x];
	}
	// The write with every check: probe recording, the lock warning, the out-of-range report.
	void rawSetPixelChecked(int x, int y, unsigned int colour);
	// Called whenever the lock, the probe or the surface changes.
	void updatePlainWrites();
	bool mustLock() const;
	bool isWholeScreenRedraw() const;
	SDL_Surface* renderText(const char* text, unsigned int colour, FontEntry* font) const;
	void recordProbe(int x, int y);
	bool isEar(int count, const double* xs, const double* ys, int i, int j, int k) const;

	FilterPoints* m_filter;
	int m_lockCount = 0;
	SDL_Surface* m_surface = nullptr;
	BaseEngine* m_engine;
	bool m_tempUnlocked = false;
	// Probe mode of getFilteredPixel: writes are recorded, not made.
	bool m_probing = false;
	bool m_probeHit = false;
	int m_probeX = 0;
	int m_probeY = 0;
	// While a raw write needs no check but the bounds (a surface, locked, not temporarily
	// unlocked, not probing): the surface's pixels and layout, read once; else null.
	unsigned int* m_plainPixels = nullptr;
	unsigned int m_plainWidth = 0;
	unsigned int m_plainHeight = 0;
	unsigned int m_plainIntsPerRow = 0;
};

// Direction from (x1, y1) to (x2, y2) in radians, in [-pi/2, 3pi/2); clockwise on screen.
double getAngle(double x1, double y1, double x2, double y2);
void swapInts(int& a, int& b);
void swapDoubles(double& a, double& b);
