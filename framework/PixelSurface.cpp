#include "PixelSurface.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <climits>
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

// The area a shape is to be drawn in: where misses would be reported, the shape's count of
// points outside decides; it is counted only then.
template <typename CountOffcuts>
VisibleArea areaToVisit(const VisibleArea& landing, CountOffcuts countOffcuts)
{
	return landing.reportsOutside() ? landing.forOffcuts(countOffcuts()) : landing;
}

struct Run
{
	int64_t first;
	int64_t last;
	bool empty() const { return first > last; }
};

// The last value of [from, to] up to which holds() is true, where it is true on a prefix of
// the range; from - 1 when it is true nowhere.
template <typename Holds>
int64_t lastHolding(int64_t from, int64_t to, Holds holds)
{
	if (from > to || !holds(from))
		return from - 1;
	int64_t low = from;
	int64_t high = to;
	while (low < high)
	{
		const int64_t middle = low + (high - low + 1) / 2;
		if (holds(middle))
			low = middle;
		else
			high = middle - 1;
	}
	return low;
}

// The values of [first, last] where holds() is true, for a condition that is true on a prefix
// or on a suffix of the range (a monotone one).
template <typename Holds>
Run runWhere(int64_t first, int64_t last, Holds holds)
{
	const bool atFirst = holds(first);
	const bool atLast = holds(last);
	if (atFirst == atLast)
		return atFirst ? Run{first, last} : Run{1, 0};
	if (atFirst)
		return {first, lastHolding(first, last, holds)};
	const int64_t firstFalse = lastHolding(first, last, [&holds](int64_t k) { return !holds(k); }) + 1;
	return {firstFalse, last};
}

Run intersection(Run a, Run b)
{
	return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

// Half of an int64 sum, rounded down.
int64_t floorHalf(int64_t sum)
{
	return (sum - (sum < 0 ? 1 : 0)) / 2;
}

uint64_t length(Run run)
{
	return run.empty() ? 0 : static_cast<uint64_t>(run.last - run.first) + 1;
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

namespace
{
// One axis of copyRectangleFrom's clipping, in 64 bits so that a rectangle reaching the int
// limits (a far-off redraw area, say) clips like any other: false when nothing is left.
bool clipCopyAxis(long long& position, long long& length, long long offset, long long limit)
{
	if (position + length < 0 || position >= limit)
		return false;
	if (position < 0) { length += position; position = 0; }
	if (position + offset < 0) { length += position + offset; position = -offset; }
	if (position + length >= limit) length = limit - position;
	if (position + offset + length >= limit) length = limit - position - offset;
	return length > 0;
}
} // namespace

void PixelSurface::copyRectangleFrom(PixelSurface* source, int x, int y, int w, int h, int offsetX, int offsetY)
{
	if (m_surface == nullptr || source == nullptr || source->m_surface == nullptr)
		return;
	long long left = x, top = y, width = w, height = h;
	if (!clipCopyAxis(left, width, offsetX, source->getWidth()) || !clipCopyAxis(top, height, offsetY, source->getHeight()))
		return;
	SDL_Rect from{static_cast<int>(left + offsetX), static_cast<int>(top + offsetY), static_cast<int>(width), static_cast<int>(height)};
	SDL_Rect to{static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height)};
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
	// Only the steps whose points have int coordinates are points to offer.
	int64_t first = 0;
	int64_t last = n;
	narrowLineSteps(x1, dx, INT_MIN, INT_MAX, first, last);
	narrowLineSteps(y1, dy, INT_MIN, INT_MAX, first, last);
	auto stepsIn = [=](const VisibleArea& area) {
		Run steps{first, last};
		narrowLineSteps(x1, dx, area.minX(), area.maxX(), steps.first, steps.last);
		narrowLineSteps(y1, dy, area.minY(), area.maxY(), steps.first, steps.last);
		return steps;
	};
	const VisibleArea landing = VisibleArea::throughFilter(*this);
	const Run visited = stepsIn(areaToVisit(landing, [=, &landing] { return length({first, last}) - length(stepsIn(landing)); }));
	for (int64_t i = visited.first; i <= visited.last; ++i)
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

namespace
{
// A trapezium with xLeft <= xRight: edge A from (xLeft, yAL) to (xRight, yAR), edge B likewise.
struct Trapezium
{
	double xL, xR, yAL, yAR, yBL, yBR;
	int64_t cL, cR;

	// The edges' heights at an inner column, as drawn. Each step of the arithmetic keeps the
	// order of the columns (or reverses it, for a falling edge), so a pixel row of an edge
	// moves one way only along the columns.
	double edgeA(int64_t k) const { return (k - xL) * (yAR - yAL) / (xR - xL) + yAL; }
	double edgeB(int64_t k) const { return (k - xL) * (yBR - yBL) / (xR - xL) + yBL; }

	// Runs of the inner columns first..last whose spans miss the rows [top, bottom]: both edges
	// above them, or both below.
	void missingRuns(int64_t first, int64_t last, int64_t top, int64_t bottom, Run& above, Run& below) const
	{
		auto where = [&](auto holds) {
			return intersection(runWhere(first, last, [&](int64_t k) { return holds(toPixel(edgeA(k))); }),
				runWhere(first, last, [&](int64_t k) { return holds(toPixel(edgeB(k))); }));
		};
		above = where([bottom](int64_t row) { return row > bottom; });
		below = where([top](int64_t row) { return row < top; });
	}
};

// Visits, in drawing order, each column of the trapezium that meets the scope, with its span
// narrowed to the scope's rows; span() answers false to stop. Inner columns whose spans miss
// the scope are skipped in runs.
template <typename Span>
void walkTrapezium(const Trapezium& t, const VisibleArea& scope, Span span)
{
	auto visit = [&](int64_t column, double yA, double yB) {
		int64_t top = toPixel(std::min(yA, yB));
		int64_t bottom = toPixel(std::max(yA, yB));
		if (!scope.hasColumn(column) || !scope.clipRows(top, bottom))
			return true;
		return span(column, top, bottom);
	};
	if (t.cL == t.cR)
	{
		// Less than a column wide: one column covering both ends' spans.
		visit(t.cL, std::min(std::min(t.yAL, t.yBL), std::min(t.yAR, t.yBR)),
			std::max(std::max(t.yAL, t.yBL), std::max(t.yAR, t.yBR)));
		return;
	}
	if (!visit(t.cL, t.yAL, t.yBL))
		return;
	int64_t first = t.cL + 1;
	int64_t last = t.cR - 1;
	if (scope.clipColumns(first, last))
	{
		Run skips[2];
		t.missingRuns(first, last, scope.minY(), scope.maxY(), skips[0], skips[1]);
		if (skips[1].first < skips[0].first)
			std::swap(skips[0], skips[1]);
		int64_t k = first;
		for (const Run& skip : skips)
		{
			if (skip.empty())
				continue;
			for (; k < skip.first; ++k)
				if (!visit(k, t.edgeA(k), t.edgeB(k)))
					return;
			k = std::max(k, skip.last + 1);
		}
		for (; k <= last; ++k)
			if (!visit(k, t.edgeA(k), t.edgeB(k)))
				return;
	}
	visit(t.cR, t.yAR, t.yBR);
}

// Counts the points outside the landing area of a shape walked through every point there
// is, stopping once past the extreme count.
struct OffcutCounter
{
	const VisibleArea& landing;
	uint64_t count = 0;
	bool add(uint64_t offcuts)
	{
		count += offcuts;
		return count <= VisibleArea::extremeOffcuts;
	}
};
}

void PixelSurface::drawTrapezium(double xL, double xR, double yAL, double yAR, double yBL, double yBR, unsigned int colour)
{
	if (xL > xR)
	{
		swapDoubles(xL, xR);
		swapDoubles(yAL, yAR);
		swapDoubles(yBL, yBR);
	}
	const Trapezium trapezium{xL, xR, yAL, yAR, yBL, yBR, toPixel(xL), toPixel(xR)};
	const VisibleArea landing = VisibleArea::throughFilter(*this);
	const VisibleArea area = areaToVisit(landing, [&] {
		OffcutCounter counter{landing};
		walkTrapezium(trapezium, VisibleArea::everyPoint(), [&counter](int64_t column, int64_t top, int64_t bottom) {
			return counter.add(counter.landing.offcutsOfColumn(column, top, bottom));
		});
		return counter.count;
	});
	walkTrapezium(trapezium, area, [this, colour](int64_t column, int64_t top, int64_t bottom) {
		for (int64_t y = top; y <= bottom; ++y)
			setPixel(static_cast<int>(column), static_cast<int>(y), colour);
		return true;
	});
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
		const VisibleArea landing = VisibleArea::throughFilter(*this);
		if (areaToVisit(landing, [&] { return landing.offcutsOfBlock(x, x, y, y); }).contains(x, y))
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
	const VisibleArea landing = VisibleArea::throughFilter(*this);
	const VisibleArea area = areaToVisit(landing, [=, &landing] { return landing.offcutsOfBlock(left, right, top, bottom); });
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
// The value grows with the distance from the centre along either axis, step by step of the
// arithmetic, so the points inside form, in each column, one run of rows about the centre.
struct EllipseTest
{
	int64_t x1, y1, x2, y2;
	double cx, cy, rx2, ry2;
	EllipseTest(int left, int top, int right, int bottom)
	{
		if (left > right) std::swap(left, right);
		if (top > bottom) std::swap(top, bottom);
		x1 = left;
		y1 = top;
		x2 = right;
		y2 = bottom;
		cx = (x1 + x2) / 2.0;
		cy = (y1 + y2) / 2.0;
		const uint64_t w = static_cast<uint64_t>(x2 - x1);
		const uint64_t h = static_cast<uint64_t>(y2 - y1);
		rx2 = static_cast<double>(w * w) / 4.0;
		ry2 = static_cast<double>(h * h) / 4.0;
	}
	double value(int64_t x, int64_t y) const
	{
		return (x - cx) * (x - cx) / rx2 + (y - cy) * (y - cy) / ry2;
	}
	bool inside(int64_t x, int64_t y) const { return value(x, y) <= 1.0; }
	// The run of values of [low, high] nearest to their middle for which inside() holds,
	// given the last one at or beyond the middle: a box is symmetric about its centre.
	static Run mirrored(int64_t low, int64_t high, int64_t lastInside)
	{
		return {low + high - lastInside, lastInside};
	}
	// Columns with a point inside: those whose middle row is inside.
	Run columns() const
	{
		const int64_t middleRow = floorHalf(y1 + y2 + 1);
		const int64_t middleColumn = floorHalf(x1 + x2 + 1);
		return mirrored(x1, x2, lastHolding(middleColumn, x2, [&](int64_t x) { return inside(x, middleRow); }));
	}
	Run rows(int64_t x) const
	{
		const int64_t middleRow = floorHalf(y1 + y2 + 1);
		return mirrored(y1, y2, lastHolding(middleRow, y2, [&](int64_t y) { return inside(x, y); }));
	}
	// The rows of run [first, last] of column x that lie inside, or on whose value the test
	// fails (no number): the hole of a ring.
	Run holeRows(int64_t x, int64_t first, int64_t last) const
	{
		auto inHole = [&](int64_t y) { return !(value(x, y) >= 1.0); };
		const int64_t lowerMiddle = floorHalf(y1 + y2);
		const int64_t upperMiddle = floorHalf(y1 + y2 + 1);
		const int64_t upperStart = std::max(first, upperMiddle);
		const int64_t upperEnd = lastHolding(upperStart, last, inHole);
		const int64_t lowerStart = std::min(last, lowerMiddle);
		const int64_t lowerEnd = -lastHolding(-lowerStart, -first, [&](int64_t negated) { return inHole(-negated); });
		const bool upper = upperEnd >= upperStart;
		const bool lower = lowerEnd <= lowerStart;
		if (upper && lower)
			return {lowerEnd, upperEnd};
		if (upper)
			return {upperStart, upperEnd};
		if (lower)
			return {lowerEnd, lowerStart};
		return {1, 0};
	}
};

// Visits, columns outer, the columns of the ellipse that meet the scope, each with its run of
// rows inside, narrowed to the scope; span() answers false to stop.
template <typename Span>
void walkEllipse(const EllipseTest& ellipse, const VisibleArea& scope, Span span)
{
	Run columns = ellipse.columns();
	if (!scope.clipColumns(columns.first, columns.last))
		return;
	for (int64_t x = columns.first; x <= columns.last; ++x)
	{
		Run rows = ellipse.rows(x);
		if (scope.clipRows(rows.first, rows.last) && !span(x, rows.first, rows.last))
			return;
	}
}

uint64_t overlap(Run a, Run b)
{
	return length(intersection(a, b));
}

// Visits the points inside the ellipse that lie in the area, columns outer, rows inner, and
// hands on those the extra test passes.
template <typename Test, typename SetPixel>
void rasteriseOval(const VisibleArea& area, const EllipseTest& ellipse, Test test, SetPixel setPixelFunction)
{
	walkEllipse(ellipse, area, [&](int64_t x, int64_t top, int64_t bottom) {
		for (int64_t y = top; y <= bottom; ++y)
			if (ellipse.inside(x, y) && test(x, y))
				setPixelFunction(static_cast<int>(x), static_cast<int>(y));
		return true;
	});
}
}

void PixelSurface::drawOval(int x1, int y1, int x2, int y2, unsigned int colour)
{
	const EllipseTest ellipse(x1, y1, x2, y2);
	const VisibleArea landing = VisibleArea::throughFilter(*this);
	const VisibleArea area = areaToVisit(landing, [&] {
		OffcutCounter counter{landing};
		walkEllipse(ellipse, VisibleArea::everyPoint(), [&counter](int64_t x, int64_t top, int64_t bottom) {
			return counter.add(counter.landing.offcutsOfColumn(x, top, bottom));
		});
		return counter.count;
	});
	rasteriseOval(area, ellipse, [](int64_t, int64_t) { return true; },
		[this, colour](int x, int y) { setPixel(x, y, colour); });
}

// Unfiltered: only points inside the surface are written.
void PixelSurface::rawDrawOval(int x1, int y1, int x2, int y2, unsigned int colour)
{
	rasteriseOval(VisibleArea::ofSurface(*this), EllipseTest(x1, y1, x2, y2), [](int64_t, int64_t) { return true; },
		[this, colour](int x, int y) { rawSetPixel(x, y, colour); });
}

void PixelSurface::drawHollowOval(int x1, int y1, int x2, int y2, int innerX1, int innerY1, int innerX2, int innerY2, unsigned int colour)
{
	const EllipseTest outer(x1, y1, x2, y2);
	const EllipseTest inner(innerX1, innerY1, innerX2, innerY2);
	const VisibleArea landing = VisibleArea::throughFilter(*this);
	const VisibleArea area = areaToVisit(landing, [&] {
		OffcutCounter counter{landing};
		walkEllipse(outer, VisibleArea::everyPoint(), [&](int64_t x, int64_t top, int64_t bottom) {
			// The ring's points of the column: the run less the hole.
			const Run run{top, bottom};
			const Run hole = inner.holeRows(x, top, bottom);
			const uint64_t ring = length(run) - overlap(run, hole);
			if (!landing.hasColumn(x))
				return counter.add(ring);
			const Run landingRows{landing.minY(), landing.maxY()};
			const Run landed = intersection(run, landingRows);
			return counter.add(ring - (length(landed) - overlap(landed, hole)));
		});
		return counter.count;
	});
	rasteriseOval(area, outer, [&inner](int64_t x, int64_t y) { return inner.value(x, y) >= 1.0; },
		[this, colour](int x, int y) { setPixel(x, y, colour); });
}

// ---------------------------------------------------------------- text

namespace
{
// Calls visit(i, j) for each pixel of rendered text with a non-zero value, over the columns
// firstI..lastI (outer) and rows firstJ..lastJ, read at the surface's own depth; other depths
// count as 0. The depth is chosen once, outside the loops.
template <typename Visit>
void forEachGlyphPixel(const SDL_Surface* rendered, int firstI, int lastI, int firstJ, int lastJ, Visit visit)
{
	const Uint8* bytes = static_cast<const Uint8*>(rendered->pixels);
	const int pitch = rendered->pitch;
	auto scan = [&](auto read) {
		for (int i = firstI; i <= lastI; ++i)
			for (int j = firstJ; j <= lastJ; ++j)
				if (read(i, j) != 0)
					visit(i, j);
	};
	switch (rendered->format->BitsPerPixel)
	{
	case 8: scan([bytes, pitch](int i, int j) { return bytes[j * pitch + i]; }); break;
	case 16: scan([bytes, pitch](int i, int j) { return reinterpret_cast<const Uint16*>(bytes)[(j * pitch) / 2 + i]; }); break;
	case 32: scan([bytes, pitch](int i, int j) { return reinterpret_cast<const Uint32*>(bytes)[(j * pitch) / 4 + i]; }); break;
	default: break;
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
	// Glyph pixels beyond the int range are no points at all; of the others, those the area
	// leaves out are skipped.
	int64_t firstColumn = x, lastColumn = static_cast<int64_t>(x) + rendered->w - 1;
	int64_t firstRow = y, lastRow = static_cast<int64_t>(y) + rendered->h - 1;
	VisibleArea::everyPoint().clipColumns(firstColumn, lastColumn);
	VisibleArea::everyPoint().clipRows(firstRow, lastRow);
	const VisibleArea landing = VisibleArea::throughFilter(*this);
	// Offsets into the rendered text of a run of columns or rows.
	auto from = [](int64_t value, int origin) { return static_cast<int>(value - origin); };
	const VisibleArea area = areaToVisit(landing, [=, &landing] {
		uint64_t offcuts = 0;
		forEachGlyphPixel(rendered, from(firstColumn, x), from(lastColumn, x), from(firstRow, y), from(lastRow, y),
			[&](int i, int j) { offcuts += landing.contains(static_cast<int64_t>(x) + i, static_cast<int64_t>(y) + j) ? 0 : 1; });
		return offcuts;
	});
	if (area.clipColumns(firstColumn, lastColumn) && area.clipRows(firstRow, lastRow))
		forEachGlyphPixel(rendered, from(firstColumn, x), from(lastColumn, x), from(firstRow, y), from(lastRow, y),
			[this, x, y, colour](int i, int j) { setPixel(x + i, y + j, colour); });
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
