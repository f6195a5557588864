#include "VisibleArea.h"

#include <algorithm>
#include <climits>
#include <typeinfo>

#include "BaseEngine.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "PixelSurface.h"

namespace
{
struct AxisRange
{
	int64_t first;
	int64_t last;
};

// What one of the framework's filters does to one axis: a move by an offset, or a zoom that
// turns a value into a run of screen values (one value when compressing).
struct AxisStep
{
	bool isMove;
	int offset;
	int stretch;
	int compress;

	int firstValue(int value) const
	{
		return isMove ? FilterPointsTranslation::moved(value, offset)
					  : FilterPointsScaling::firstScreenValue(value, stretch, compress);
	}
	int lastValue(int value) const
	{
		return isMove ? FilterPointsTranslation::moved(value, offset)
					  : FilterPointsScaling::lastScreenValue(value, stretch, compress);
	}
	bool isIdentity() const { return isMove ? offset == 0 : stretch == 1 && compress == 1; }
};

// The longest chain that is read; a longer one (a loop, say) is drawn point by point.
const int longestChain = 32;

// A chain of the framework's own filters, axis by axis, and where it ends: in the engine's
// clip, or on the surface itself.
struct Chain
{
	AxisStep x[longestChain];
	AxisStep y[longestChain];
	int length = 0;
	const EngineClipFilter* clip = nullptr;

	void add(const AxisStep& xStep, const AxisStep& yStep)
	{
		// Steps that change nothing are left out: most chains in use then need no search.
		if (xStep.isIdentity() && yStep.isIdentity())
			return;
		x[length] = xStep;
		y[length] = yStep;
		++length;
	}
};

// Follows the chain through each filter's next filter. False as soon as a filter is not
// exactly one of the framework's own: a class of the program's, even one derived from them,
// may do anything with a point, and is told nothing about it in advance.
bool readChain(FilterPoints* filter, Chain& chain)
{
	for (int read = 0; filter != nullptr; ++read)
	{
		if (read == longestChain)
			return false;
		const std::type_info& type = typeid(*filter);
		if (type == typeid(EngineClipFilter))
		{
			chain.clip = static_cast<const EngineClipFilter*>(filter);
			return true;
		}
		if (type == typeid(FilterPointsTranslation))
		{
			const auto* move = static_cast<const FilterPointsTranslation*>(filter);
			chain.add({true, move->getXOffset(), 1, 1}, {true, move->getYOffset(), 1, 1});
			filter = move->getNext();
		}
		else if (type == typeid(FilterPointsScaling))
		{
			const auto* zoom = static_cast<const FilterPointsScaling*>(filter);
			chain.add({false, 0, zoom->getXStretch(), zoom->getXCompress()},
				{false, 0, zoom->getYStretch(), zoom->getYCompress()});
			filter = zoom->getNext();
		}
		else
		{
			return false;
		}
	}
	return true;
}

// The first and last screen values the steps make of a virtual value. Each step turns a run of
// consecutive values into a run of consecutive values, both ends moving the same way as the
// value, so one virtual value becomes exactly the screen values between these two.
int firstScreenValue(const AxisStep* steps, int count, int value)
{
	for (int i = 0; i < count; ++i)
		value = steps[i].firstValue(value);
	return value;
}

int lastScreenValue(const AxisStep* steps, int count, int value)
{
	for (int i = 0; i < count; ++i)
		value = steps[i].lastValue(value);
	return value;
}

const AxisRange emptyRange{1, 0};

// The virtual values whose screen values meet [first, last]: those whose first screen value is
// at most last and whose last one is at least first. Both ends grow with the value, so each
// condition holds on one side of a boundary, found by bisection with the filters' own arithmetic.
AxisRange landingValues(const AxisStep* steps, int count, int first, int last)
{
	if (first > last)
		return emptyRange;
	if (count == 0)
		return {first, last};
	if (firstScreenValue(steps, count, INT_MIN) > last || lastScreenValue(steps, count, INT_MAX) < first)
		return emptyRange;
	int64_t low = INT_MIN;
	int64_t high = INT_MAX;
	while (low < high)
	{
		const int64_t middle = low + (high - low + 1) / 2;
		if (firstScreenValue(steps, count, static_cast<int>(middle)) <= last)
			low = middle;
		else
			high = middle - 1;
	}
	const int64_t lastLanding = low;
	low = INT_MIN;
	high = INT_MAX;
	while (low < high)
	{
		const int64_t middle = low + (high - low) / 2;
		if (lastScreenValue(steps, count, static_cast<int>(middle)) >= first)
			high = middle;
		else
			low = middle + 1;
	}
	return {low, lastLanding};
}

bool clip(int64_t& first, int64_t& last, int64_t min, int64_t max)
{
	first = std::max(first, min);
	last = std::min(last, max);
	return first <= last;
}

// The values of [first, last] (first <= last) outside [min, max].
uint64_t outside(int64_t first, int64_t last, int64_t min, int64_t max)
{
	const uint64_t all = static_cast<uint64_t>(last - first) + 1;
	return clip(first, last, min, max) ? all - (static_cast<uint64_t>(last - first) + 1) : all;
}

// a * b, or UINT64_MAX when that does not fit.
uint64_t cappedProduct(uint64_t a, uint64_t b)
{
	return a != 0 && b > UINT64_MAX / a ? UINT64_MAX : a * b;
}
}

VisibleArea::VisibleArea(int64_t minX, int64_t maxX, int64_t minY, int64_t maxY, bool reportsOutside)
	: m_minX(minX), m_maxX(maxX), m_minY(minY), m_maxY(maxY), m_reportsOutside(reportsOutside)
{
}

VisibleArea VisibleArea::everyPoint()
{
	return VisibleArea(INT_MIN, INT_MAX, INT_MIN, INT_MAX, false);
}

VisibleArea VisibleArea::throughFilter(const PixelSurface& surface)
{
	Chain chain;
	if (!readChain(surface.getFilter(), chain))
		return everyPoint();
	// Points the clip accepts are written, or reported when they miss the surface.
	const bool clipped = chain.clip != nullptr;
	const int right = clipped ? chain.clip->getRight() : surface.getWidth() - 1;
	const int bottom = clipped ? chain.clip->getBottom() : surface.getHeight() - 1;
	const AxisRange x = landingValues(chain.x, chain.length, clipped ? chain.clip->getLeft() : 0, right);
	const AxisRange y = landingValues(chain.y, chain.length, clipped ? chain.clip->getTop() : 0, bottom);
	return VisibleArea(x.first, x.last, y.first, y.last, !clipped);
}

VisibleArea VisibleArea::ofSurface(const PixelSurface& surface)
{
	return VisibleArea(0, surface.getWidth() - 1, 0, surface.getHeight() - 1, false);
}

VisibleArea VisibleArea::forOffcuts(uint64_t offcuts) const
{
	if (!m_reportsOutside || offcuts > extremeOffcuts)
		return VisibleArea(m_minX, m_maxX, m_minY, m_maxY, false);
	return everyPoint();
}

uint64_t VisibleArea::offcutsOfBlock(int64_t left, int64_t right, int64_t top, int64_t bottom) const
{
	if (left > right || top > bottom)
		return 0;
	const uint64_t all = cappedProduct(static_cast<uint64_t>(right - left) + 1, static_cast<uint64_t>(bottom - top) + 1);
	if (!clip(left, right, m_minX, m_maxX) || !clip(top, bottom, m_minY, m_maxY))
		return all;
	return all - (static_cast<uint64_t>(right - left) + 1) * (static_cast<uint64_t>(bottom - top) + 1);
}

uint64_t VisibleArea::offcutsOfColumn(int64_t column, int64_t top, int64_t bottom) const
{
	if (top > bottom)
		return 0;
	return hasColumn(column) ? outside(top, bottom, m_minY, m_maxY) : static_cast<uint64_t>(bottom - top) + 1;
}

bool VisibleArea::clipColumns(int64_t& first, int64_t& last) const
{
	return clip(first, last, m_minX, m_maxX);
}

bool VisibleArea::clipRows(int64_t& first, int64_t& last) const
{
	return clip(first, last, m_minY, m_maxY);
}
