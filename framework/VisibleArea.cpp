#include "VisibleArea.h"

#include <algorithm>
#include <climits>

#include "FilterChain.h"
#include "PixelSurface.h"

namespace
{
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
	FilterChain chain;
	if (!chain.read(surface.getFilter()))
		return everyPoint();
	if (chain.endsInClip())
		return clippedBy(chain);
	// Points that miss the surface are reported.
	return landing(chain, 0, surface.getWidth() - 1, 0, surface.getHeight() - 1, true);
}

VisibleArea VisibleArea::clippedBy(const FilterChain& chain)
{
	return landing(chain, chain.clipLeft(), chain.clipRight(), chain.clipTop(), chain.clipBottom(), false);
}

VisibleArea VisibleArea::landing(const FilterChain& chain, int left, int right, int top, int bottom, bool reportsOutside)
{
	const FilterChain::Run x = chain.landingColumns(left, right);
	const FilterChain::Run y = chain.landingRows(top, bottom);
	return VisibleArea(x.first, x.last, y.first, y.last, reportsOutside);
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
