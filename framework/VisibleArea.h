#pragma once
// The virtual coordinates whose points can land on a surface. The primitives visit only these,
// so a shape with far-off corners costs what it can draw, and no coordinate they hand on overflows.

#include <cstdint>

class PixelSurface;

class VisibleArea
{
public:
	// Points drawn through the surface's point filter.
	static VisibleArea throughFilter(const PixelSurface& surface);
	// Points written straight onto the surface.
	static VisibleArea ofSurface(const PixelSurface& surface);

	// Narrow an inclusive range of columns or rows to the area; false when nothing is left.
	bool clipColumns(int64_t& first, int64_t& last) const;
	bool clipRows(int64_t& first, int64_t& last) const;
	bool hasColumn(int64_t x) const { return x >= m_minX && x <= m_maxX; }
	bool contains(int64_t x, int64_t y) const { return hasColumn(x) && y >= m_minY && y <= m_maxY; }

	int64_t minX() const { return m_minX; }
	int64_t maxX() const { return m_maxX; }
	int64_t minY() const { return m_minY; }
	int64_t maxY() const { return m_maxY; }

private:
	VisibleArea(int64_t minX, int64_t maxX, int64_t minY, int64_t maxY);

	// Inclusive limits, always inside the int range.
	int64_t m_minX;
	int64_t m_maxX;
	int64_t m_minY;
	int64_t m_maxY;
};
