#include "FilterPointsTranslation.h"

namespace
{
// A coordinate with an offset undone, held at the int limits like a moved one.
int movedBack(int value, int offset)
{
	int difference;
	if (__builtin_sub_overflow(value, offset, &difference))
		return offset > 0 ? INT_MIN : INT_MAX;
	return difference;
}
}

FilterPointsTranslation::FilterPointsTranslation(int dx, int dy, FilterPoints* next)
	: m_xOffset(dx), m_yOffset(dy), m_next(next)
{
}

void FilterPointsTranslation::setOffset(int dx, int dy)
{
	m_xOffset = dx;
	m_yOffset = dy;
}

void FilterPointsTranslation::changeOffset(int ddx, int ddy)
{
	m_xOffset = moved(m_xOffset, ddx);
	m_yOffset = moved(m_yOffset, ddy);
}

bool FilterPointsTranslation::filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour)
{
	x = moved(x, m_xOffset);
	y = moved(y, m_yOffset);
	return m_next ? m_next->filterPoint(surface, x, y, colour) : true;
}

int FilterPointsTranslation::fromScreenX(int x)
{
	return movedBack(m_next ? m_next->fromScreenX(x) : x, m_xOffset);
}

int FilterPointsTranslation::fromScreenY(int y)
{
	return movedBack(m_next ? m_next->fromScreenY(y) : y, m_yOffset);
}

int FilterPointsTranslation::toScreenX(int x)
{
	const int v = moved(x, m_xOffset);
	return m_next ? m_next->toScreenX(v) : v;
}

int FilterPointsTranslation::toScreenY(int y)
{
	const int v = moved(y, m_yOffset);
	return m_next ? m_next->toScreenY(v) : v;
}
