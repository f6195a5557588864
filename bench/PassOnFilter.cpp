#include "PassOnFilter.h"

bool PassOnFilter::filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour)
{
	if (m_next != nullptr)
		return m_next->filterPoint(surface, x, y, colour);
	return static_cast<unsigned int>(x) < static_cast<unsigned int>(m_windowWidth)
		&& static_cast<unsigned int>(y) < static_cast<unsigned int>(m_windowHeight);
}
