#include "PixelSurface.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "BaseEngine.h"
#include "Diagnostics.h"
#include "FilterPoints.h"
#include "FontEntry.h"
#include "VisibleArea.h"

namespace
{
const double pi = 3.141592653589793;
const double twoPi = 6.283185307179586;
const double fiveQuarterPi = 3.9269908169872414;
const double sixthPi = 0.5235987755982988;

// Real coordinates are held within this distance: far beyond any surface, yet sums of such
// pixel coordinates fit 64 bits and a double still counts every step between them.
const double farthestCoordinate = 1e15;

// Real coordinate to pixel coordinate: add a half and truncate toward zero. Values beyond the
// far limit (and NaN, to the negative side) are held at it.
inline int64_t toPixel(double v)
{
	if (!(v > -farthestCoordinate))
		return static_cast<int64_t>(-farthestCoordinate);
	if (v > farthestCoordinate)
		return static_cast<int64_t>(farthestCoordinate);
	return static_cast<int64_t>(v + 0.5);
}

// Coordinate of point i of a line, before it becomes an int.
inline double linePoint(double start, double step, int64_t i)
{
	return std::trunc(start + 0.5 + i * step);
}

// Narrows the steps [first, last] of a line to those whose coordinate on one axis lies in
// [low, high]. Along each axis the points move one way only, so these steps form one run,
// found by bisection with the very arithmetic that places the points.
void narrowLineSteps(double start, double step, int64_t low, int64_t high, int64_t& first, int64_t& last)
{
	auto firstStepWhere = [&](auto holds) {
		int64_t from = first;
		int64_t to = last + 1;
		while (from < to)
		{
			const int64_t middle = from + (to - from) / 2;
			if (holds(linePoint(start, step, middle)))
				to = middle;
			else
				from = middle + 1;
		}
		return from;
	};
	const double lowValue = static_cast<double>(low);
	const double highValue = static_cast<double>(high);
	int64_t runFirst;
	int64_t runEnd;
	if (step >= 0)
	{
		runFirst = firstStepWhere([lowValue](double v) { return v >= lowValue; });
		runEnd = firstStepWhere([highValue](double v) { return v > highValue; });
	}
	else
	{
		runFirst = firstStepWhere([highValue](double v) { return v <= highValue; });
		runEnd = firstStepWhere([lowValue](double v) { return v < lowValue; });
	}
	first = runFirst;
	last = runEnd - 1;
}

inline double positiveAngle(double a)
{
	return a < 0 ? a + twoPi : a;
}
}

double getAngle(double x1, double y1, double x2, double y2)
{
	if (x1 == x2)
		return y1 > y2 ? 4.71238898038469 : 1.5707963267948966;
	double a = std::atan((y2 - y1) / (x2 - x1));
	if (x1 > x2)
		a += pi;
	return a;
}

void swapInts(int& a, int& b)
{
	std::swap(a, b);
}

void swapDoubles(double& a, double& b)
{
	std::swap(a, b);
}

PixelSurface::PixelSurface(BaseEngine* engine)
	: m_filter(engine ? engine->getEngineFilter() : nullptr), m_engine(engine)
{
}

void PixelSurface::createSurface(int width, int height)
{
	m_surface = SDL_CreateRGBSurface(0, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
	// Copies between drawing surfaces replace pixels; every stored pixel is opaque anyway,
	// so blending would only cost time.
	if (m_surface != nullptr)
		SDL_SetSurfaceBlendMode(m_surface, SDL_BLENDMODE_NONE);
	updatePlainWrites();
}

void PixelSurface::updatePlainWrites()
{
	const bool plain = m_surface != nullptr && m_lockCount > 0 && !m_tempUnlocked && !m_probing;
	m_plainPixels = plain ? static_cast<unsigned int*>(m_surface->pixels) : nullptr;
	m_plainWidth = plain ? static_cast<unsigned int>(m_surface->w) : 0u;
	m_plainHeight = plain ? static_cast<unsigned int>(m_surface->h) : 0u;
	m_plainIntsPerRow = plain ? getIntsPerRow() : 0u;
}

bool PixelSurface::mustLock() const
{
	return m_surface != nullptr && SDL_MUSTLOCK(m_surface);
}

void PixelSurface::mySDLLockSurface()
{
	if (++m_lockCount == 1 && mustLock())
		SDL_LockSurface(m_surface);
	updatePlainWrites();
}

void PixelSurface::mySDLUnlockSurface()
{
	if (--m_lockCount == 0 && mustLock())
		SDL_UnlockSurface(m_surface);
	updatePlainWrites();
}

void PixelSurface::mySDLTempUnlockSurface()
{
	m_tempUnlocked = true;
	updatePlainWrites();
	if (mustLock() && m_lockCount > 0)
		SDL_UnlockSurface(m_surface);
}

void PixelSurface::mySDLTempRelockSurface()
{
	m_tempUnlocked = false;
	updatePlainWrites();
	if (mustLock() && m_lockCount > 0)
		SDL_LockSurface(m_surface);
}

void PixelSurface::warnIfNotLockedForWrite() const
{
	if (m_lockCount <= 0 || m_tempUnlocked)
		diagnosticPrintf("WARNING: Attempted write to surface without locking it. Please use mySDLLockSurface() before writing to the raw bytes, and mySDLUnlockSurface() afterwards.\n");
}

void PixelSurface::warnIfLockedForBlit() const
{
	if (m_lockCount > 0 && !m_tempUnlocked)
		diagnosticPrintf("WARNING: Attempted blit to locked surface. Please use mySDLTempUnlockSurface() on the surface before the blit, then mySDLTempRelockSurface() afterwards. (SDL limitation on some platforms.)\n");
}

void PixelSurface::rawSetPixelChecked(int x, int y, unsigned int colour)
{
	if (m_probing)
	{
		recordProbe(x, y);
		return;
	}
	warnIfNotLockedForWrite();
	if (!contains(x, y))
	{
		diagnosticPrintf("Error in setting pixel- should never happen!\n");
		return;
	}
	pixelAt(x, y) = colour | opaqueAlpha;
}

void PixelSurface::recordProbe(int x, int y)
{
	if (!m_probeHit)
	{
		m_probeHit = true;
		m_probeX = x;
		m_probeY = y;
	}
}

// A filter may write points itself (the scaling filter does), so the read runs the chain
// in probe mode: the first point the chain would write is recorded instead of written,
// and the surface is left as it was.
unsigned int PixelSurface::getFilteredPixel(int x, int y)
{
	if (m_filter == nullptr)
		return getPixel(x, y);
	unsigned int colour = 0;
	m_probing = true;
	updatePlainWrites();
	m_probeHit = false;
	const bool accepted = m_filter->filterPoint(this, x, y, colour);
	m_probing = false;
	updatePlainWrites();
	if (accepted)
		return getPixel(x, y);
	return m_probeHit ? getPixel(m_probeX, m_probeY) : 0;
}

void PixelSurface::fill(unsigned int colour)
{
	if (m_surface == nullptr)
		return;
	mySDLTempUnlockSurface();
	SDL_Rect all{0, 0, m_surface->w, m_surface->h};
	SDL_FillRect(m_surface, &all, colour | opaqueAlpha);
	mySDLTempRelockSurface();
}

void PixelSurface::copyEntireSurface(PixelSurface* source)
{
	if (m_surface == nullptr || source == nullptr || source->m_surface == nullptr)
		return;
	// A source of another size is copied row by row over the common area.
	if (source->m_surface->w != m_surface->w || source->m_surface->h != m_surface->h
		|| source->m_surface->pitch != m_surface->pitch)
	{
		copyRectangleFrom(source, 0, 0, std::min(getWidth(), source->getWidth()), std::min(getHeight(), source->getHeight()));
		return;
	}
	std::memcpy(m_surface->pixels, source->m_surface->pixels, getIntsPerRow() * 4u * static_cast<unsigned int>(m_surface->h));
}

void PixelSurface::copyRectangleFrom(PixelSurface* source, int x, int y, int w, int h, int offsetX, int offsetY)
{
	if (m_surface == nullptr || source == nullptr || source->m_surface == nullptr)
		return;
	const int W = source->getWidth();
	const int H = source->getHeight();
	if (x + w < 0 || y + h < 0 || x >= W || y >= H)
		return;
	if (x < 0) { w += x; x = 0; }
	if (y < 0) { h += y; y = 0; }
	if (x + offsetX < 0) { w += x + offsetX; x = -offsetX; }
	if (y + offsetY < 0) { h += y + offsetY; y = -offsetY; }
	if (x + w >= W) w = W - x;
	if (y + h >= H) h = H - y;
	if (x + offsetX + w >= W) w = W - x - offsetX;
	if (y + offsetY + h >= H) h = H - y - offsetY;
	if (w <= 0 || h <= 0)
		return;
	SDL_Rect from{x + offsetX, y + offsetY, w, h};
	SDL_Rect to{x, y, w, h};
	mySDLTempUnlockSurface();
	SDL_UpperBlit(source->m_surface, &from, m_surface, &to);
	mySDLTempRelockSurface();
}

void PixelSurface::updateTexture(SDL_Texture* texture)
{
	if (m_surface != nullptr && texture != nullptr)
		SDL_UpdateTexture(texture, nullptr, m_surface->pixels, m_surface->pitch);
}

int PixelSurface::toVirtualX(int x) const { return m_filter ? m_filter->fromScreenX(x) : x; }
int PixelSurface::toVirtualY(int y) const { return m_filter ? m_filter->fromScreenY(y) : y; }
int PixelSurface::toScreenX(int x) const { return m_filter ? m_filter->toScreenX(x) : x; }
int PixelSurface::toScreenY(int y) const { return m_filter ? m_filter->toScreenY(y) : y; }

bool PixelSurface::isWholeScreenRedraw() const
{
	return m_engine == nullptr || m_engine->isWholeScreenRedraw();
}

int PixelSurface::getRedrawScreenMinX() const
{
	return isWholeScreenRedraw() ? 0 : std::max(m_engine->getDirtyScreenLeft(), 0);
}

int PixelSurface::getRedrawScreenMinY() const
{
	return isWholeScreenRedraw() ? 0 : std::max(m_engine->getDirtyScreenTop(), 0);
}

int PixelSurface::getRedrawScreenMaxX() const
{
	return isWholeScreenRedraw() ? getWidth() : std::min(getWidth(), m_engine->getDirtyScreenRight());
}

int PixelSurface::getRedrawScreenMaxY() const
{
	return isWholeScreenRedraw() ? getHeight() : std::min(getHeight(), m_engine->getDirtyScreenBottom());
}

int PixelSurface::getRedrawVirtualMinX() const
{
	int v = toVirtualX(0);
	return isWholeScreenRedraw() ? v : std::max(v, m_engine->getDirtyVirtualLeft());
}

int PixelSurface::getRedrawVirtualMinY() const
{
	int v = toVirtualY(0);
	return isWholeScreenRedraw() ? v : std::max(v, m_engine->getDirtyVirtualTop());
}

int PixelSurface::getRedrawVirtualMaxX() const
{
	int v = toVirtualX(getWidth());
	return isWholeScreenRedraw() ? v : std::min(v, m_engine->getDirtyVirtualRight());
}

int PixelSurface::getRedrawVirtualMaxY() const
{
	int v = toVirtualY(getHeight());
	return isWholeScreenRedraw() ? v : std::min(v, m_engine->getDirtyVirtualBottom());
}

// ---------------------------------------------------------------- primitives

void PixelSurface::drawLine(double x1, double y1, double x2, double y2, unsigned int colour)
{
	const int64_t n = std::llabs(toPixel(x2) - toPixel(x1)) + std::llabs(toPixel(y2) - toPixel(y1)) + 2;
	const double dx = (x2 - x1) / n;
	const double dy = (y2 - y1) / n;
	const VisibleArea area = VisibleArea::throughFilter(*this);
	int64_t first = 0;
	int64_t last = n;
	narrowLineSteps(x1, dx, area.minX(), area.maxX(), first, last);
	narrowLineSteps(y1, dy, area.minY(), area.maxY(), first, last);
	for (int64_t i = first; i <= last; ++i)
		setPixel(static_cast<int>(linePoint(x1, dx, i)), static_cast<int>(linePoint(y1, dy, i)), colour);
}

void PixelSurface::drawThickLine(double x1, double y1, double x2, double y2, unsigned int colour, int thickness)
{
	if (thickness <= 1)
	{
		drawLine(x1, y1, x2, y2, colour);
		return;
	}
	const double a = getAngle(x1, y1, x2, y2);
	const double h = thickness * 0.5;
	const double c1x = x1 + h * std::cos(a - fiveQuarterPi), c1y = y1 + h * std::sin(a - fiveQuarterPi);
	const double c2x = x1 + h * std::cos(a + fiveQuarterPi), c2y = y1 + h * std::sin(a + fiveQuarterPi);
	const double c3x = x2 + h * std::cos(a + pi - fiveQuarterPi), c3y = y2 + h * std::sin(a + pi - fiveQuarterPi);
	const double c4x = x2 + h * std::cos(a + pi + fiveQuarterPi), c4y = y2 + h * std::sin(a + pi + fiveQuarterPi);
	drawTriangle(c1x, c1y, c2x, c2y, c3x, c3y, colour);
	drawTriangle(c3x, c3y, c4x, c4y, c1x, c1y, colour);
}

void PixelSurface::drawShortenedLine(int x1, int y1, int x2, int y2, int startGap, int endGap, unsigned int colour, int thickness)
{
	const double a = getAngle(x1, y1, x2, y2);
	const double b = a + pi;
	const double sx = x1 + startGap * std::cos(a), sy = y1 + startGap * std::sin(a);
	const double ex = x2 + endGap * std::cos(b), ey = y2 + endGap * std::sin(b);
	if (thickness > 1)
		drawThickLine(sx, sy, ex, ey, colour, thickness);
	else
		drawLine(sx, sy, ex, ey, colour);
}

void PixelSurface::drawArrow(int x1, int y1, int x2, int y2, int startGap, int endGap, unsigned int colour, int thickness, int headSize)
{
	const double a = getAngle(x1, y1, x2, y2);
	const double b = a + pi;
	const double tipX = x2 + endGap * std::cos(b), tipY = y2 + endGap * std::sin(b);
	const double sx = x1 + startGap * std::cos(a), sy = y1 + startGap * std::sin(a);
	if (thickness > 1)
	{
		const double shaftEnd = endGap + 1.5 * thickness;
		drawThickLine(sx, sy, x2 + shaftEnd * std::cos(b), y2 + shaftEnd * std::sin(b), colour, thickness);
	}
	else
	{
		drawLine(sx, sy, tipX, tipY, colour);
	}
	drawTriangle(tipX, tipY,
		tipX + headSize * std::cos(b + sixthPi), tipY + headSize * std::sin(b + sixthPi),
		tipX + headSize * std::cos(b - sixthPi), tipY + headSize * std::sin(b - sixthPi), colour);
}

void PixelSurface::drawTrapezium(double xL, double xR, double yAL, double yAR, double yBL, double yBR, unsigned int colour)
{
	if (xL > xR)
	{
		swapDoubles(xL, xR);
		swapDoubles(yAL, yAR);
		swapDoubles(yBL, yBR);
	}
	const int64_t cL = toPixel(xL);
	const int64_t cR = toPixel(xR);
	const VisibleArea area = VisibleArea::throughFilter(*this);
	auto drawSpan = [this, colour, &area](int64_t column, double yA, double yB) {
		int64_t top = toPixel(std::min(yA, yB));
		int64_t bottom = toPixel(std::max(yA, yB));
		if (!area.hasColumn(column) || !area.clipRows(top, bottom))
			return;
		for (int64_t y = top; y <= bottom; ++y)
			setPixel(static_cast<int>(column), static_cast<int>(y), colour);
	};
	if (cL == cR)
	{
		// Less than a column wide: one column covering both ends' spans.
		drawSpan(cL, std::min(std::min(yAL, yBL), std::min(yAR, yBR)), std::max(std::max(yAL, yBL), std::max(yAR, yBR)));
		return;
	}
	drawSpan(cL, yAL, yBL);
	int64_t firstColumn = cL + 1;
	int64_t lastColumn = cR - 1;
	area.clipColumns(firstColumn, lastColumn);
	for (int64_t k = firstColumn; k <= lastColumn; ++k)
	{
		double yA = (k - xL) * (yAR - yAL) / (xR - xL) + yAL;
		double yB = (k - xL) * (yBR - yBL) / (xR - xL) + yBL;
		drawSpan(k, yA, yB);
	}
	drawSpan(cR, yAR, yBR);
}

void PixelSurface::drawTriangle(double x1, double y1, double x2, double y2, double x3, double y3, unsigned int colour)
{
	if (x1 > x2) { swapDoubles(x1, x2); swapDoubles(y1, y2); }
	if (x2 > x3) { swapDoubles(x2, x3); swapDoubles(y2, y3); }
	if (x1 > x2) { swapDoubles(x1, x2); swapDoubles(y1, y2); }
	if (x1 == x2)
	{
		drawTrapezium(x1, x3, y1, y3, y2, y3, colour);
	}
	else if (x2 == x3)
	{
		drawTrapezium(x1, x3, y1, y2, y1, y3, colour);
	}
	else
	{
		double ym = (x2 - x1) * (y3 - y1) / (x3 - x1) + y1;
		drawTrapezium(x1, x2, y1, y2, y1, ym, colour);
		drawTrapezium(x2, x3, y2, y3, ym, y3, colour);
	}
}

// Vertex j of the triangle i, j, k is an ear when the corner turns the right way and no
// other vertex lies inside the triangle.
bool PixelSurface::isEar(int count, const double* xs, const double* ys, int i, int j, int k) const
{
	const double cx = (xs[i] + xs[j] + xs[k]) / 3.0;
	const double cy = (ys[i] + ys[j] + ys[k]) / 3.0;
	const double ai = getAngle(cx, cy, xs[i], ys[i]);
	const double dj = positiveAngle(getAngle(cx, cy, xs[j], ys[j]) - ai);
	const double dk = positiveAngle(getAngle(cx, cy, xs[k], ys[k]) - ai);
	if (!(dk > dj))
		return false;
	if (count <= 3)
		return true;
	const int edgeStart[3] = {i, j, k};
	const int edgeEnd[3] = {j, k, i};
	double edgeAngle[3];
	for (int e = 0; e < 3; ++e)
		edgeAngle[e] = positiveAngle(getAngle(xs[edgeStart[e]], ys[edgeStart[e]], xs[edgeEnd[e]], ys[edgeEnd[e]]));
	for (int m = k + 1;; ++m)
	{
		if (m >= count)
		{
			if (i == 0)
				break;
			m = 0;
		}
		if (m == i)
			break;
		bool inside = true;
		for (int e = 0; e < 3 && inside; ++e)
		{
			double d = positiveAngle(getAngle(xs[edgeStart[e]], ys[edgeStart[e]], xs[m], ys[m]));
			d = positiveAngle(d - edgeAngle[e]);
			inside = d < pi;
		}
		if (inside)
			return false;
	}
	return true;
}

void PixelSurface::drawPolygon(int count, double* xs, double* ys, unsigned int colour)
{
	if (count <= 0)
		return;
	if (count == 1)
	{
		const int64_t x = toPixel(xs[0]);
		const int64_t y = toPixel(ys[0]);
		if (VisibleArea::throughFilter(*this).contains(x, y))
			setPixel(static_cast<int>(x), static_cast<int>(y), colour);
		return;
	}
	if (count == 2)
	{
		drawLine(xs[0], ys[0], xs[1], ys[1], colour);
		return;
	}
	for (int i = 0; i < count; ++i)
	{
		int j = i + 1 >= count ? i + 1 - count : i + 1;
		int k = i + 2 >= count ? i + 2 - count : i + 2;
		if (!isEar(count, xs, ys, i, j, k))
			continue;
		drawTriangle(xs[i], ys[i], xs[j], ys[j], xs[k], ys[k], colour);
		for (int m = j; m < count - 1; ++m)
		{
			xs[m] = xs[m + 1];
			ys[m] = ys[m + 1];
		}
		if (count > 3)
			drawPolygon(count - 1, xs, ys, colour);
		return;
	}
}

void PixelSurface::drawRectangle(int x1, int y1, int x2, int y2, unsigned int colour)
{
	if (x1 > x2) swapInts(x1, x2);
	if (y1 > y2) swapInts(y1, y2);
	int64_t left = x1, right = x2, top = y1, bottom = y2;
	const VisibleArea area = VisibleArea::throughFilter(*this);
	if (!area.clipColumns(left, right) || !area.clipRows(top, bottom))
		return;
	for (int64_t x = left; x <= right; ++x)
		for (int64_t y = top; y <= bottom; ++y)
			setPixel(static_cast<int>(x), static_cast<int>(y), colour);
}

namespace
{
// The ellipse inside a box, as the test value at a point: <= 1 inside. Sizes are squared
// as unsigned 64-bit values: a box spanning the whole int range still squares exactly.
struct EllipseTest
{
	double cx, cy, rx2, ry2;
	EllipseTest(int x1, int y1, int x2, int y2)
	{
		if (x1 > x2) std::swap(x1, x2);
		if (y1 > y2) std::swap(y1, y2);
		cx = (static_cast<long long>(x1) + x2) / 2.0;
		cy = (static_cast<long long>(y1) + y2) / 2.0;
		const uint64_t w = static_cast<uint64_t>(static_cast<long long>(x2) - x1);
		const uint64_t h = static_cast<uint64_t>(static_cast<long long>(y2) - y1);
		rx2 = static_cast<double>(w * w) / 4.0;
		ry2 = static_cast<double>(h * h) / 4.0;
	}
	double value(int x, int y) const
	{
		return (x - cx) * (x - cx) / rx2 + (y - cy) * (y - cy) / ry2;
	}
};
}

// Visits the points of the box that lie in the area, columns outer, and hands on those inside the ellipse.
template <typename SetPixel>
void PixelSurface::rasteriseOval(const VisibleArea& area, int x1, int y1, int x2, int y2, SetPixel setPixelFunction)
{
	if (x1 > x2) swapInts(x1, x2);
	if (y1 > y2) swapInts(y1, y2);
	const EllipseTest ellipse(x1, y1, x2, y2);
	int64_t left = x1, right = x2, top = y1, bottom = y2;
	if (!area.clipColumns(left, right) || !area.clipRows(top, bottom))
		return;
	for (int64_t x = left; x <= right; ++x)
		for (int64_t y = top; y <= bottom; ++y)
			if (ellipse.value(static_cast<int>(x), static_cast<int>(y)) <= 1.0)
				setPixelFunction(static_cast<int>(x), static_cast<int>(y));
}

void PixelSurface::drawOval(int x1, int y1, int x2, int y2, unsigned int colour)
{
	rasteriseOval(VisibleArea::throughFilter(*this), x1, y1, x2, y2,
		[this, colour](int x, int y) { setPixel(x, y, colour); });
}

// Unfiltered: only points inside the surface are written.
void PixelSurface::rawDrawOval(int x1, int y1, int x2, int y2, unsigned int colour)
{
	rasteriseOval(VisibleArea::ofSurface(*this), x1, y1, x2, y2,
		[this, colour](int x, int y) { rawSetPixel(x, y, colour); });
}

void PixelSurface::drawHollowOval(int x1, int y1, int x2, int y2, int innerX1, int innerY1, int innerX2, int innerY2, unsigned int colour)
{
	const EllipseTest inner(innerX1, innerY1, innerX2, innerY2);
	rasteriseOval(VisibleArea::throughFilter(*this), x1, y1, x2, y2, [this, colour, &inner](int x, int y) {
		if (inner.value(x, y) >= 1.0)
			setPixel(x, y, colour);
	});
}

// ---------------------------------------------------------------- text

namespace
{
// Pixel (i, j) of rendered text read at the surface's own depth; other depths count as 0.
unsigned int glyphValue(const SDL_Surface* rendered, int i, int j)
{
	const Uint8* bytes = static_cast<const Uint8*>(rendered->pixels);
	switch (rendered->format->BitsPerPixel)
	{
	case 8: return bytes[j * rendered->pitch + i];
	case 16: return reinterpret_cast<const Uint16*>(bytes)[(j * rendered->pitch) / 2 + i];
	case 32: return reinterpret_cast<const Uint32*>(bytes)[(j * rendered->pitch) / 4 + i];
	default: return 0;
	}
}
}

SDL_Surface* PixelSurface::renderText(const char* text, unsigned int colour, FontEntry* font) const
{
	if (font == nullptr && m_engine != nullptr)
		font = m_engine->getDefaultFont();
	if (font == nullptr || font->getTTFFont() == nullptr || text == nullptr || text[0] == '\0')
		return nullptr;
	SDL_Color textColour{static_cast<Uint8>((colour >> 16) & 0xFF), static_cast<Uint8>((colour >> 8) & 0xFF),
		static_cast<Uint8>(colour & 0xFF), 0};
	return TTF_RenderText_Solid(font->getTTFFont(), text, textColour);
}

void PixelSurface::drawString(int x, int y, const char* text, unsigned int colour, FontEntry* font)
{
	SDL_Surface* rendered = renderText(text, colour, font);
	if (rendered == nullptr)
		return;
	// Only the glyph pixels that can land are visited, so positions near the int limits are safe.
	int64_t firstColumn = x, lastColumn = static_cast<int64_t>(x) + rendered->w - 1;
	int64_t firstRow = y, lastRow = static_cast<int64_t>(y) + rendered->h - 1;
	const VisibleArea area = VisibleArea::throughFilter(*this);
	if (area.clipColumns(firstColumn, lastColumn) && area.clipRows(firstRow, lastRow))
	{
		for (int64_t column = firstColumn; column <= lastColumn; ++column)
			for (int64_t row = firstRow; row <= lastRow; ++row)
				if (glyphValue(rendered, static_cast<int>(column - x), static_cast<int>(row - y)) != 0)
					setPixel(static_cast<int>(column), static_cast<int>(row), colour);
	}
	SDL_FreeSurface(rendered);
}

void PixelSurface::blitString(int x, int y, const char* text, unsigned int colour, FontEntry* font)
{
	SDL_Surface* rendered = renderText(text, colour, font);
	if (rendered == nullptr)
		return;
	SDL_Rect to{x, y, 0, 0};
	mySDLTempUnlockSurface();
	SDL_UpperBlit(rendered, nullptr, m_surface, &to);
	mySDLTempRelockSurface();
	SDL_FreeSurface(rendered);
}
