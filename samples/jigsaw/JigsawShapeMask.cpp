#include "JigsawShapeMask.h"

#include <cstddef>

namespace
{
// A tab is a round knob on a short neck, centred on the edge it grows from. Sizes are
// fractions of the cell so that the knob stays inside the overlap of two pieces.
bool insideTab(int along, int out, int cell)
{
	const int middle = cell / 2;
	const int radius = cell * 4 / 25;
	const int neckHalf = cell * 2 / 25;
	const int knobCentre = radius;
	if (out < 0)
		return false;
	const int dx = along - middle;
	const int dy = out - knobCentre;
	if (dx * dx + dy * dy <= radius * radius)
		return true;
	return out < knobCentre && dx >= -neckHalf && dx <= neckHalf;
}
} // namespace

bool JigsawShapeMask::isInside(int x, int y) const
{
	if (x < 0 || y < 0 || x >= width || y >= height)
		return false;
	return bits[static_cast<std::size_t>(y) * width + x] != 0;
}

JigsawShapeMask JigsawShapeMask::makePieceOutline(int size, int cell, bool leftGap, bool topGap, bool rightTab, bool bottomTab)
{
	JigsawShapeMask mask;
	mask.width = size;
	mask.height = size;
	mask.bits.assign(static_cast<std::size_t>(size) * size, 0);
	for (int y = 0; y < size; ++y)
		for (int x = 0; x < size; ++x)
		{
			bool inside = x < cell && y < cell;
			// The gaps are the neighbours' tabs: the same shape, seen from this cell's edge.
			if (leftGap && insideTab(y, x, cell))
				inside = false;
			if (topGap && insideTab(x, y, cell))
				inside = false;
			if (rightTab && insideTab(y, x - cell, cell))
				inside = true;
			if (bottomTab && insideTab(x, y - cell, cell))
				inside = true;
			mask.bits[static_cast<std::size_t>(y) * size + x] = inside ? 1 : 0;
		}
	return mask;
}
