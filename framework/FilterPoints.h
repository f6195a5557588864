#pragma once
// A point filter sits between virtual (program) and screen coordinates: it may drop,
// move or itself write a drawn point, and converts single coordinates both ways.

class PixelSurface;

class FilterPoints
{
public:
	// True when the caller is to write the (possibly changed) point; false when the
	// point was dropped or the filter wrote it itself.
	virtual bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) = 0;

	virtual int fromScreenX(int x) { return x; }
	virtual int fromScreenY(int y) { return y; }
	virtual int toScreenX(int x) { return x; }
	virtual int toScreenY(int y) { return y; }

protected:
	// Filters are owned by value by whoever installs them and never deleted through this interface.
	~FilterPoints() = default;
};
