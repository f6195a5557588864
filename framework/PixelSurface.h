#pragma once
// A 32-bit ARGB software drawing surface over one SDL surface: counted locking, pixel
// access through an optional point filter, coordinate conversion, fills, copies, upload
// into the window's texture, and every drawing primitive and text operation.
//
// Locking: every pixel write needs the surface locked, with mySDLLockSurface() before the
// drawing and mySDLUnlockSurface() after it (counted, so nested pairs are fine; the SDL lock
// itself is taken only for surfaces that need one). Without the lock a write still happens
// but prints the write warning, once per pixel. The engine holds the lock on its two
// surfaces during drawBackground() and a frame; BaseEngine::lockBackgroundForDrawing() and
// friends take it elsewhere. An SDL fill or blit into the surface must not run under the
// SDL lock: wrap it in mySDLTempUnlockSurface() / mySDLTempRelockSurface() (one pair at a
// time; pixel writes in between print the warning), as fill(), copyRectangleFrom() and
// blitString() do themselves.

#include <SDL.h>

#include "FilterPoints.h"

class BaseEngine;
class FontEntry;

class PixelSurface
{
public:
	// With an engine, drawn points pass the engine's filter (clipping to the window and the
	// redraw area) and text defaults to the engine's font; without one there is no filter.
	explicit PixelSurface(BaseEngine* engine);
	// Releases nothing: whoever made a surface that must go early frees it via getSDLSurface().
	~PixelSurface() {}

	// Makes the 32-bit ARGB SDL surface; getSDLSurface() stays null when that fails.
	void createSurface(int width, int height);
	// The wrapped SDL surface, not owned; null before createSurface() or after a failed one.
	SDL_Surface* getSDLSurface() const { return m_surface; }
	// Forgets the wrapped surface after its owner has freed it.
	void releaseSDLSurface()
	{
		m_surface = nullptr;
		updatePlainWrites();
	}
	// Size in pixels; 0 without a surface.
	int getWidth() const { return m_surface ? m_surface->w : 0; }
	int getHeight() const { return m_surface ? m_surface->h : 0; }
	// Pixels from one row's start to the next's (pitch / 4).
	unsigned int getIntsPerRow() const { return m_surface ? static_cast<unsigned int>(m_surface->pitch) / 4u : 0u; }
	// The engine given at construction; may be null.
	BaseEngine* getEngine() const { return m_engine; }

	// Installs a filter chain (not owned) in place of the current filter. A chain that must
	// keep the window and redraw-area clipping ends in BaseEngine::getEngineFilter(); null
	// means no filtering and identity conversions.
	void setFilter(FilterPoints* filter) { m_filter = filter; }
	FilterPoints* getFilter() const { return m_filter; }

	// Locking (see above): counted; the SDL lock is taken only for surfaces that need one.
	void mySDLLockSurface();
	void mySDLUnlockSurface();
	// Around an SDL fill or blit into this surface: the SDL lock is let go for the call
	// while the count stays as it is.
	void mySDLTempUnlockSurface();
	void mySDLTempRelockSurface();
	// Print the write warning when the surface is not locked (or temporarily unlocked), and
	// the blit warning when it is locked; for drawing code that writes or blits itself.
	void warnIfNotLockedForWrite() const;
	void warnIfLockedForBlit() const;
	// Locks minus unlocks; unbalanced unlocks take it below 0, and writes warn until it is above 0 again.
	int getLockCount() const { return m_lockCount; }

	// Pixels. Every primitive and per-pixel image draw ends here, so the common case (a
	// locked surface, a point inside it) is inline; warnings and reports are out of line.
	// rawSetPixel: no filter, (x, y) is a screen pixel; outside the surface an error line is
	// printed and nothing written. Alpha is set to 0xFF.
	void rawSetPixel(int x, int y, unsigned int colour)
	{
		if (m_plainPixels != nullptr && static_cast<unsigned int>(x) < m_plainWidth
			&& static_cast<unsigned int>(y) < m_plainHeight)
			m_plainPixels[static_cast<unsigned int>(y) * m_plainIntsPerRow + static_cast<unsigned int>(x)] = colour | opaqueAlpha;
		else
			rawSetPixelChecked(x, y, colour);
	}
	// Through the filter: (x, y) is virtual, and the filter drops, moves or itself writes it.
	void setPixel(int x, int y, unsigned int colour)
	{
		if (m_filter == nullptr)
			rawSetPixel(x, y, colour | opaqueAlpha);
		else if (m_filter->filterPoint(this, x, y, colour))
			rawSetPixel(x, y, colour | opaqueAlpha);
	}
	// The stored 0xAARRGGBB at a screen pixel, 0 outside; reading needs no lock.
	unsigned int getPixel(int x, int y) const { return contains(x, y) ? pixelAt(x, y) : 0; }
	// Reads through the filter; the filter may move the point but the surface is not written.
	// 0 when the filter drops the point.
	unsigned int getFilteredPixel(int x, int y);

	// Whole-surface operations, in screen pixels, neither filtered nor clipped to the redraw area.
	void fill(unsigned int colour);
	// From a surface of the same size (another size copies the common area).
	void copyEntireSurface(PixelSurface* source);
	// The source's rectangle at (x + offsetX, y + offsetY) to (x, y) here, clipped to both,
	// also when it reaches the int limits. The engine's partial frames copy their area with it.
	void copyRectangleFrom(PixelSurface* source, int x, int y, int w, int h, int offsetX = 0, int offsetY = 0);
	// Uploads the pixels into a streaming texture of the surface's size.
	void updateTexture(SDL_Texture* texture);

	// Coordinates: virtual <-> screen through the filter; identity without one.
	int toVirtualX(int x) const;
	int toVirtualY(int y) const;
	int toScreenX(int x) const;
	int toScreenY(int y) const;

	// Called by drawing code during a frame to skip what the frame cannot change: the part of
	// this surface the engine's current redraw touches, in screen pixels and in virtual
	// coordinates. The minimum is the first column or row that can change. During a whole
	// redraw (or without an engine) the maximum is one past the last: the surface's width or
	// height, or its virtual value. During a partial redraw it is the dirty rectangle's right
	// column or bottom row, which the engine's clip still accepts, unless the surface's edge
	// (as above) comes first. Under a zoom-out further virtual columns and rows than the virtual
	// bounds take in land on the first and last screen ones. With no redraw pending the dirty
	// rectangle is empty, and so is the area.
	int getRedrawScreenMinX() const;
	int getRedrawScreenMinY() const;
	int getRedrawScreenMaxX() const;
	int getRedrawScreenMaxY() const;
	int getRedrawVirtualMinX() const;
	int getRedrawVirtualMinY() const;
	int getRedrawVirtualMaxX() const;
	int getRedrawVirtualMaxY() const;

	// Primitives, in virtual coordinates through setPixel, so zoom, scroll and the redraw
	// clip apply; the exceptions are rawDrawOval (screen pixels, no filter) and blitString.
	// Shapes are filled, corners in any order, both bounds inclusive. The caller holds the lock.
	void drawLine(double x1, double y1, double x2, double y2, unsigned int colour);
	// A band; thickness 1 or less draws drawLine's line.
	void drawThickLine(double x1, double y1, double x2, double y2, unsigned int colour, int thickness);
	// The line pulled in by startGap at its start and by endGap at its end.
	void drawShortenedLine(int x1, int y1, int x2, int y2, int startGap, int endGap, unsigned int colour, int thickness);
	// A shortened line with a triangular head of headSize pointing at (x2, y2).
	void drawArrow(int x1, int y1, int x2, int y2, int startGap, int endGap, unsigned int colour, int thickness, int headSize);
	// Vertical sides at xLeft and xRight; one edge from yFirstLeft to yFirstRight, the other
	// from ySecondLeft to ySecondRight.
	void drawTrapezium(double xLeft, double xRight, double yFirstLeft, double yFirstRight,
		double ySecondLeft, double ySecondRight, unsigned int colour);
	// Corners in any order.
	void drawTriangle(double x1, double y1, double x2, double y2, double x3, double y3, unsigned int colour);
	// Vertices clockwise on the screen; the arrays are consumed (ears are removed from them).
	void drawPolygon(int count, double* xs, double* ys, unsigned int colour);
	// Both corners included, in any order.
	void drawRectangle(int x1, int y1, int x2, int y2, unsigned int colour);
	// The ellipse inside the box; a box of no width or no height draws nothing.
	void drawOval(int x1, int y1, int x2, int y2, unsigned int colour);
	// As drawOval, but in screen pixels straight onto the surface: no filter, no redraw clip;
	// points off the surface are skipped without a report.
	void rawDrawOval(int x1, int y1, int x2, int y2, unsigned int colour);
	// The ring inside the outer ellipse and outside the inner one.
	void drawHollowOval(int x1, int y1, int x2, int y2, int innerX1, int innerY1, int innerX2, int innerY2, unsigned int colour);
	// The text's top-left at (x, y), pixel by pixel through the filter; a null font means
	// the engine's default font. blitString blits it by SDL at screen (x, y): no filter, no clip.
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
// Exchange two values.
void swapInts(int& a, int& b);
void swapDoubles(double& a, double& b);
