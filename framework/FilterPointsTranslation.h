#pragma once
// Scroll filter: moves every drawn point by a fixed offset before passing it on.

#include <climits>

#include "FilterPoints.h"

class FilterPointsTranslation : public FilterPoints
{
public:
	// Moves points by (dx, dy), in the coordinates this filter receives (before any zoom that
	// follows it); next is not owned (null: the moved point is written as it is).
	FilterPointsTranslation(int dx, int dy, FilterPoints* next = nullptr);
	// Releases nothing: the next filter belongs to whoever made it.
	virtual ~FilterPointsTranslation() = default;

	// Sets the offset, or adds to it (the sum stops at the int limits). Applies to drawing from
	// then on: request a full redraw, and redraw the background when it was drawn through this.
	void setOffset(int dx, int dy);
	void changeOffset(int ddx, int ddy);
	int getXOffset() const { return m_xOffset; }
	int getYOffset() const { return m_yOffset; }
	// The filter points go to after this one (not owned; null: none).
	void setNext(FilterPoints* next) { m_next = next; }
	FilterPoints* getNext() const { return m_next; }

	// Moves the caller's point by the offset, then returns the next filter's answer (true
	// without one).
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override;
	// The next filter's conversion first, then the offset taken off; toScreen adds the offset
	// first, then asks the next filter.
	int fromScreenX(int x) override;
	int fromScreenY(int y) override;
	int toScreenX(int x) override;
	int toScreenY(int y) override;

	// A moved coordinate; sums beyond the int range stop at its nearest limit, so a far-off
	// point stays far off.
	static int moved(int value, int offset)
	{
		int sum;
		if (__builtin_add_overflow(value, offset, &sum))
			return offset > 0 ? INT_MAX : INT_MIN;
		return sum;
	}

private:
	int m_xOffset;
	int m_yOffset;
	FilterPoints* m_next;
};
