#pragma once
// A point filter sits between virtual (program) and screen coordinates: it may drop,
// move or itself write a drawn point, and converts single coordinates both ways.
//
// Writing a filter: filterPoint() gets each point that a filtered write (PixelSurface's
// setPixel(), so every primitive and image drawing) makes on a surface using it, in virtual
// coordinates, and decides where and whether it lands: change x, y (or the colour) and
// return true to have the surface write it; return false when the point is dropped or
// the filter has written it itself with surface->rawSetPixel() (screen pixels: a point
// outside the surface prints an error line). Filters chain through a next filter that each one keeps itself, and the
// surface calls only the first: a filter hands the point it has made to its next one's
// filterPoint() and returns that answer (one that writes points itself writes those the
// next one accepts). End a chain in BaseEngine::getEngineFilter() to keep the clipping to
// the window and the redraw area.
// PixelSurface::getFilteredPixel() also runs filterPoint() to find where a point would
// land, so it must do nothing but place or write the point.
//
// The conversions are what the engine uses to go between the two spaces: screen to virtual
// for mouse positions (the hooks receive virtual ones), virtual to screen for redraw areas
// and image clipping. They must agree with filterPoint(): toScreenX/Y give the first screen
// pixel a virtual coordinate lands on, handing the result to the next filter; fromScreenX/Y
// undo that, asking the next filter first. Defaults: the identity.
// Install a chain with PixelSurface::setFilter() on each surface it serves (the engine's
// conversions follow the foreground's); the surface does not own it.

class PixelSurface;

class FilterPoints
{
public:
	// True when the caller is to write the (possibly changed) point; false when the
	// point was dropped or the filter wrote it itself.
	virtual bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) = 0;

	// Screen to virtual (a mouse position, say).
	virtual int fromScreenX(int x) { return x; }
	virtual int fromScreenY(int y) { return y; }
	// Virtual to screen (a redraw area, say).
	virtual int toScreenX(int x) { return x; }
	virtual int toScreenY(int y) { return y; }

protected:
	// Filters are owned by value by whoever installs them and never deleted through this interface.
	~FilterPoints() = default;
};
