#include "VisibleArea.h"

#include <algorithm>
#include <climits>

#include "PixelSurface.h"

namespace
{
struct AxisRange
{
	int64_t first;
	int64_t last;
};

const AxisRange emptyRange{1, 0};

int64_t clampToInt(int64_t value)
{
	return std::min<int64_t>(std::max<int64_t>(value, INT_MIN), INT_MAX);
}

// The virtual values of one axis that can reach the screen values 0 to screenSize - 1, given the
// virtual values of the screen's two edges. A compressing filter truncates toward zero, so a few
// virtual values beyond an edge still reach its first screen pixel: the range is widened by the
// number of virtual pixels that one screen pixel stands for, plus one.
AxisRange filteredRange(int64_t edgeA, int64_t edgeB, int screenSize)
{
	if (screenSize <= 0)
		return emptyRange;
	const int64_t low = std::min(edgeA, edgeB);
	const int64_t high = std::max(edgeA, edgeB);
	const int64_t slack = (high - low + screenSize - 1) / screenSize + 1;
	return {clampToInt(low - slack), clampToInt(high + slack)};
}

bool clip(int64_t& first, int64_t& last, int64_t min, int64_t max)
{
	first = std::max(first, min);
	last = std::min(last, max);
	return first <= last;
}
}

VisibleArea::VisibleArea(int64_t minX, int64_t maxX, int64_t minY, int64_t maxY)
	: m_minX(minX), m_maxX(maxX), m_minY(minY), m_maxY(maxY)
{
}

VisibleArea VisibleArea::throughFilter(const PixelSurface& surface)
{
	if (surface.getFilter() == nullptr)
		return ofSurface(surface);
	const int width = surface.getWidth();
	const int height = surface.getHeight();
	const AxisRange x = filteredRange(surface.toVirtualX(0), surface.toVirtualX(width), width);
	const AxisRange y = filteredRange(surface.toVirtualY(0), surface.toVirtualY(height), height);
	return VisibleArea(x.first, x.last, y.first, y.last);
}

VisibleArea VisibleArea::ofSurface(const PixelSurface& surface)
{
	return VisibleArea(0, surface.getWidth() - 1, 0, surface.getHeight() - 1);
}

bool VisibleArea::clipColumns(int64_t& first, int64_t& last) const
{
	return clip(first, last, m_minX, m_maxX);
}

bool VisibleArea::clipRows(int64_t& first, int64_t& last) const
{
	return clip(first, last, m_minY, m_maxY);
}
