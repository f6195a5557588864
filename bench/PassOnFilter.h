#pragma once
// A point filter that does nothing but hand the point on: to the next filter, or, at the
// end of a chain, accepting it when it lies inside the window. Chains of them measure what
// the calls of a filter chain cost by themselves.

#include "FilterPoints.h"

class PassOnFilter : public FilterPoints
{
public:
	PassOnFilter(FilterPoints* next, int windowWidth, int windowHeight)
		: m_next(next), m_windowWidth(windowWidth), m_windowHeight(windowHeight)
	{
	}
	virtual ~PassOnFilter() = default;

	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override;

private:
	FilterPoints* m_next;
	int m_windowWidth;
	int m_windowHeight;
};
