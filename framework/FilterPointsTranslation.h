#pragma once
// Scroll filter: moves every drawn point by a fixed offset before passing it on.

#include <climits>

#include "FilterPoints.h"

class FilterPointsTranslation : public FilterPoints
{
public:
	FilterPointsTranslation(int dx, int dy, FilterPoints* next = nullptr);
	virtual ~FilterPointsTranslation() = default;

	void setOffset(int dx, int dy);
	void changeOffset(int ddx, int ddy);
	int getXOffset() const { return m_xOffset; }
	int getYOffset() const { return m_yOffset; }
	void setNext(FilterPoints* next) { m_next = next; }
	FilterPoints* getNext() const { return m_next; }

	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override;
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
