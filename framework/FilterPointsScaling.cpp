#include "FilterPointsScaling.h"

#include <algorithm>
#include <climits>

#include "PixelSurface.h"
#include "SaturatingInt.h"

namespace
{
// Blocks up to this many points cost less to walk whole than to look into the filters after
// the zoom first.
const long long largestBlockWalkedWhole = 64;

// One virtual value on one axis becomes a block of screen values: stretch of them from its
// start, or a single one when compressing. The start is worked out in 64 bits.
long long blockStart(int value, int stretch, int compress)
{
	return stretch < 2 ? value / compress : static_cast<long long>(value) * stretch;
}

int blockLength(int stretch)
{
	return stretch < 2 ? 1 : stretch;
}

// Offsets into one axis of a block, both ends included; none when first > last.
struct BlockOffsets
{
	int first;
	int last;
};

// The offsets of a block's values on one axis (stretch of them from first, a single one when
// compressing) whose value, held within the int range, lies in [min, max]. A limit of the int
// range also takes in the values held at it.
BlockOffsets acceptedOffsets(long long first, int stretch, int64_t min, int64_t max)
{
	const long long count = blockLength(stretch);
	const long long from = min == INT_MIN ? 0 : std::min(count, std::max(0LL, min - first));
	const long long to = max == INT_MAX ? count - 1 : std::max(-1LL, std::min(count - 1, max - first));
	return {static_cast<int>(from), static_cast<int>(to)};
}
} // namespace

FilterPointsScaling::FilterPointsScaling(int xFactor, int yFactor, FilterPoints* next)
	: m_next(next)
{
	setFactors(xFactor, yFactor);
}

void FilterPointsScaling::setAxisFactor(int factor, int& stretch, int& compress)
{
	stretch = 1;
	compress = 1;
	if (factor > 0)
		stretch = saturatingAdd(factor, 1);
	else if (factor < 0)
		compress = clampToInt(1LL - factor);
}

void FilterPointsScaling::setFactors(int xFactor, int yFactor)
{
	setAxisFactor(xFactor, m_xStretch, m_xCompress);
	setAxisFactor(yFactor, m_yStretch, m_yCompress);
}

void FilterPointsScaling::zoomAxisIn(int& stretch, int& compress)
{
	if (compress > 1)
		--compress;
	else
		stretch = saturatingAdd(stretch, 1);
}

void FilterPointsScaling::zoomAxisOut(int& stretch, int& compress)
{
	if (stretch > 1)
		--stretch;
	else
		compress = saturatingAdd(compress, 1);
}

void FilterPointsScaling::zoomIn()
{
	zoomAxisIn(m_xStretch, m_xCompress);
	zoomAxisIn(m_yStretch, m_yCompress);
}

void FilterPointsScaling::zoomOut()
{
	zoomAxisOut(m_xStretch, m_xCompress);
	zoomAxisOut(m_yStretch, m_yCompress);
}

int FilterPointsScaling::firstScreenValue(int value, int stretch, int compress)
{
	return clampToInt(blockStart(value, stretch, compress));
}

int FilterPointsScaling::lastScreenValue(int value, int stretch, int compress)
{
	return clampToInt(blockStart(value, stretch, compress) + blockLength(stretch) - 1);
}

// The first screen value of a block on one axis; false when the block reaches past the int range.
inline bool FilterPointsScaling::blockStartInRange(int value, int stretch, int compress, int& first)
{
	if (stretch < 2)
	{
		first = value / compress;
		return true;
	}
	int last;
	return !__builtin_mul_overflow(value, stretch, &first) && !__builtin_add_overflow(first, stretch - 1, &last);
}

int FilterPointsScaling::scaleFromScreen(int value, int stretch, int compress)
{
	return stretch < 2 ? clampToInt(static_cast<long long>(value) * compress) : value / stretch;
}

int FilterPointsScaling::toScreenX(int x)
{
	int v = firstScreenValue(x, m_xStretch, m_xCompress);
	return m_next ? m_next->toScreenX(v) : v;
}

int FilterPointsScaling::toScreenY(int y)
{
	int v = firstScreenValue(y, m_yStretch, m_yCompress);
	return m_next ? m_next->toScreenY(v) : v;
}

int FilterPointsScaling::fromScreenX(int x)
{
	int v = m_next ? m_next->fromScreenX(x) : x;
	return scaleFromScreen(v, m_xStretch, m_xCompress);
}

int FilterPointsScaling::fromScreenY(int y)
{
	int v = m_next ? m_next->fromScreenY(y) : y;
	return scaleFromScreen(v, m_yStretch, m_yCompress);
}

bool FilterPointsScaling::isOneToOne() const
{
	return m_xStretch == 1 && m_yStretch == 1 && m_xCompress == 1 && m_yCompress == 1;
}

// One screen point, as its own copy: offered to the next filter, then written unless refused.
inline void FilterPointsScaling::passOn(PixelSurface* surface, int x, int y, unsigned int colour)
{
	if (m_next == nullptr || m_next->filterPoint(surface, x, y, colour))
		surface->rawSetPixel(x, y, colour);
}

// Writes the screen block for one virtual pixel itself, so always answers false.
bool FilterPointsScaling::filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour)
{
	// At 1:1 the block is the point itself.
	if (isOneToOne())
		passOn(surface, x, y, colour);
	else
		writeBlock(surface, x, y, colour);
	return false;
}

// Points of a block the filters after this one can accept. When they are all the framework's
// own and end in the engine's clip, the others would vanish unseen and are not walked; any
// other next filter is offered every point. The chain is read for every block, and what it
// accepts is worked out again only when it lands points differently.
VisibleArea FilterPointsScaling::acceptedByNext()
{
	FilterChain next;
	if (!next.read(m_next) || !next.endsInClip())
		return VisibleArea::everyPoint();
	if (!next.landsAs(m_nextChain))
	{
		m_nextChain = next;
		m_acceptedByNext = VisibleArea::clippedBy(next);
	}
	return m_acceptedByNext;
}

// Out of line, so that the 1:1 case keeps a short call without the loops' registers.
[[gnu::noinline]] void FilterPointsScaling::writeBlock(PixelSurface* surface, int x, int y, unsigned int colour)
{
	int firstColumn, firstRow;
	const bool inRange = blockStartInRange(x, m_xStretch, m_xCompress, firstColumn)
		&& blockStartInRange(y, m_yStretch, m_yCompress, firstRow);
	const int columns = blockLength(m_xStretch);
	const int rows = blockLength(m_yStretch);
	if (!inRange || static_cast<long long>(columns) * rows > largestBlockWalkedWhole)
	{
		writeAcceptedPart(surface, x, y, colour);
		return;
	}
	for (int i = 0; i < columns; ++i)
		for (int j = 0; j < rows; ++j)
			passOn(surface, firstColumn + i, firstRow + j, colour);
}

// The points of the block the filters after this one can accept, in the order of the whole
// walk; points beyond the int limits stop at the nearest limit.
[[gnu::noinline]] void FilterPointsScaling::writeAcceptedPart(PixelSurface* surface, int x, int y, unsigned int colour)
{
	const long long firstColumn = blockStart(x, m_xStretch, m_xCompress);
	const long long firstRow = blockStart(y, m_yStretch, m_yCompress);
	const VisibleArea accepted = acceptedByNext();
	const BlockOffsets across = acceptedOffsets(firstColumn, m_xStretch, accepted.minX(), accepted.maxX());
	const BlockOffsets down = acceptedOffsets(firstRow, m_yStretch, accepted.minY(), accepted.maxY());
	for (int i = across.first; i <= across.last; ++i)
		for (int j = down.first; j <= down.last; ++j)
			passOn(surface, clampToInt(firstColumn + i), clampToInt(firstRow + j), colour);
}
