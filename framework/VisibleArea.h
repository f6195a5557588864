#pragma once
// The virtual points a primitive offers through a surface's filter, and the screen points of a
// zoom block handed on to the filters after it. Points the chain would drop without trace are
// left out, so a shape with far-off corners or a deep zoom costs what it can draw and no
// coordinate it hands on overflows; every point someone could tell about is offered.

#include <cstdint>

class FilterChain;
class PixelSurface;

class VisibleArea
{
public:
	// Points drawn through the surface's point filter. A chain made only of the framework's own
	// filters tells exactly which points land: ending in the engine's clip, the others vanish
	// unseen; ending on the surface, each of the others prints an error line. Any other filter
	// may put a point anywhere, so it gets every point there is.
	static VisibleArea throughFilter(const PixelSurface& surface);
	// Called by a filter that hands points to a chain read as ending in the engine's clip:
	// the points the chain lands inside the clip's area; the others vanish unseen.
	static VisibleArea clippedBy(const FilterChain& chain);
	// Points written straight onto the surface; the others are skipped unreported.
	static VisibleArea ofSurface(const PixelSurface& surface);
	// Every point with int coordinates.
	static VisibleArea everyPoint();

	// Where each point outside the area would be reported, a shape counts its points outside
	// (it may stop counting once past extremeOffcuts) and draws in the area forOffcuts gives:
	// ordinary shapes offer every point, so each miss is reported as it would be point by point;
	// only an extreme shape leaves its misses out, unreported, rather than print without end.
	bool reportsOutside() const { return m_reportsOutside; }
	VisibleArea forOffcuts(uint64_t offcuts) const;
	static const uint64_t extremeOffcuts = uint64_t(1) << 24;

	// Points of a block, or of one column's run of rows, outside the area.
	uint64_t offcutsOfBlock(int64_t left, int64_t right, int64_t top, int64_t bottom) const;
	uint64_t offcutsOfColumn(int64_t column, int64_t top, int64_t bottom) const;

	// Narrow an inclusive range of columns or rows to the area; false when nothing is left.
	bool clipColumns(int64_t& first, int64_t& last) const;
	bool clipRows(int64_t& first, int64_t& last) const;
	// Whether a column, or a point, lies in the area (limits included).
	bool hasColumn(int64_t x) const { return x >= m_minX && x <= m_maxX; }
	bool contains(int64_t x, int64_t y) const { return hasColumn(x) && y >= m_minY && y <= m_maxY; }

	// The area's inclusive limits, always inside the int range.
	int64_t minX() const { return m_minX; }
	int64_t maxX() const { return m_maxX; }
	int64_t minY() const { return m_minY; }
	int64_t maxY() const { return m_maxY; }

private:
	VisibleArea(int64_t minX, int64_t maxX, int64_t minY, int64_t maxY, bool reportsOutside);
	// The points the chain lands inside the screen area given (both ends included).
	static VisibleArea landing(const FilterChain& chain, int left, int right, int top, int bottom, bool reportsOutside);

	// Inclusive limits, always inside the int range.
	int64_t m_minX;
	int64_t m_maxX;
	int64_t m_minY;
	int64_t m_maxY;
	bool m_reportsOutside;
};
