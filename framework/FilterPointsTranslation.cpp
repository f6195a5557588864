#include "FilterPointsTranslation.h"

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
	m_xOffset += ddx;
	m_yOffset += ddy;
}

bool FilterPointsTranslation::filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour)
{
	x += m_xOffset;
	y += m_yOffset;
	return m_next ? m_next->filterPoint(surface, x, y, colour) : true;
}

int FilterPointsTranslation::fromScreenX(int x)
{
	return (m_next ? m_next->fromScreenX(x) : x) - m_xOffset;
}

int FilterPointsTranslation::fromScreenY(int y)
{
	return (m_next ? m_next->fromScreenY(y) : y) - m_yOffset;
}

int FilterPointsTranslation::toScreenX(int x)
{
	return m_next ? m_next->toScreenX(x + m_xOffset) : x + m_xOffset;
}

int FilterPointsTranslation::toScreenY(int y)
{
	return m_next ? m_next->toScreenY(y + m_yOffset) : y + m_yOffset;
}
