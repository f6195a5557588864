#include "FilterPointsScaling.h"

#include "PixelSurface.h"
#include "SaturatingInt.h"

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
	return stretch < 2 ? value / compress : clampToInt(static_cast<long long>(value) * stretch);
}

int FilterPointsScaling::lastScreenValue(int value, int stretch, int compress)
{
	return stretch < 2 ? value / compress : clampToInt(static_cast<long long>(value) * stretch + (stretch - 1));
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

// Out of line, so that the 1:1 case keeps a short call without the loops' registers.
[[gnu::noinline]] void FilterPointsScaling::writeBlock(PixelSurface* surface, int x, int y, unsigned int colour)
{
	int firstColumn, firstRow;
	if (!blockStartInRange(x, m_xStretch, m_xCompress, firstColumn)
		|| !blockStartInRange(y, m_yStretch, m_yCompress, firstRow))
	{
		writeBlockAtLimits(surface, x, y, colour);
		return;
	}
	const int columns = m_xStretch < 2 ? 1 : m_xStretch;
	const int rows = m_yStretch < 2 ? 1 : m_yStretch;
	for (int i = 0; i < columns; ++i)
		for (int j = 0; j < rows; ++j)
			passOn(surface, firstColumn + i, firstRow + j, colour);
}

// A block reaching past the int limits: its points beyond them stop at the nearest limit.
[[gnu::noinline]] void FilterPointsScaling::writeBlockAtLimits(PixelSurface* surface, int x, int y, unsigned int colour)
{
	const long long firstColumn = m_xStretch < 2 ? x / m_xCompress : static_cast<long long>(x) * m_xStretch;
	const int columns = m_xStretch < 2 ? 1 : m_xStretch;
	const long long firstRow = m_yStretch < 2 ? y / m_yCompress : static_cast<long long>(y) * m_yStretch;
	const int rows = m_yStretch < 2 ? 1 : m_yStretch;
	for (int i = 0; i < columns; ++i)
		for (int j = 0; j < rows; ++j)
			passOn(surface, clampToInt(firstColumn + i), clampToInt(firstRow + j), colour);
}
