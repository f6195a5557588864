#pragma once
// Zoom filter: each virtual pixel becomes a block of stretch x stretch screen pixels,
// or several virtual pixels share one screen pixel (compress).

#include "FilterChain.h"
#include "FilterPoints.h"
#include "VisibleArea.h"

class FilterPointsScaling : public FilterPoints
{
public:
	// Factors as setFactors(); next is not owned (null: the points go straight onto the
	// surface, where one outside it prints an error line).
	FilterPointsScaling(int xFactor, int yFactor, FilterPoints* next = nullptr);
	// Releases nothing: the next filter belongs to whoever made it.
	virtual ~FilterPointsScaling() = default;

	// Factor 0 is 1:1, f > 0 stretches by f + 1, f < 0 compresses by 1 - f.
	// A change of factors applies to drawing from then on: request a full redraw, and redraw
	// the background when it was drawn through this filter.
	void setFactors(int xFactor, int yFactor);
	// One step on each axis: zoomIn() first undoes a compression, else stretches one more;
	// zoomOut() the reverse. The factors stop at the int limit.
	void zoomIn();
	void zoomOut();

	// Called for each filtered write: hands each screen point of the virtual point's block to
	// the next filter and writes those it accepts (all of them without one); answers false.
	// When the filters after this one are all exactly the framework's own and end in the
	// engine's clip, the points they would drop unseen are not handed on, so a deep zoom
	// costs what the clip lets through.
	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override;
	// The next filter's conversion first, then divided by the stretch or multiplied by the
	// compression (truncated toward zero); toScreen scales first, then asks the next filter.
	int fromScreenX(int x) override;
	int fromScreenY(int y) override;
	int toScreenX(int x) override;
	int toScreenY(int y) override;

	// The filter points go to after this one (not owned; null: none).
	void setNext(FilterPoints* next) { m_next = next; }
	FilterPoints* getNext() const { return m_next; }
	// Screen pixels per virtual pixel, and virtual pixels per screen pixel; at least one of
	// each axis's pair is 1.
	int getXStretch() const { return m_xStretch; }
	int getYStretch() const { return m_yStretch; }
	int getXCompress() const { return m_xCompress; }
	int getYCompress() const { return m_yCompress; }

	// The screen values one virtual value becomes on an axis: a single one when compressing,
	// else stretch consecutive ones from the first. Values beyond the int range stop at its
	// nearest limit.
	static int firstScreenValue(int value, int stretch, int compress);
	static int lastScreenValue(int value, int stretch, int compress);

private:
	bool isOneToOne() const;
	void passOn(PixelSurface* surface, int x, int y, unsigned int colour);
	// The block of screen points one virtual pixel becomes, each passed on.
	void writeBlock(PixelSurface* surface, int x, int y, unsigned int colour);
	void writeAcceptedPart(PixelSurface* surface, int x, int y, unsigned int colour);
	VisibleArea acceptedByNext();
	static void setAxisFactor(int factor, int& stretch, int& compress);
	static void zoomAxisIn(int& stretch, int& compress);
	static void zoomAxisOut(int& stretch, int& compress);
	static int scaleFromScreen(int value, int stretch, int compress);
	static bool blockStartInRange(int value, int stretch, int compress, int& first);

	FilterPoints* m_next;
	int m_xStretch = 1;
	int m_yStretch = 1;
	int m_xCompress = 1;
	int m_yCompress = 1;
	// The filters after this one as last read, and the points of a block they accept.
	FilterChain m_nextChain;
	VisibleArea m_acceptedByNext = VisibleArea::everyPoint();
};
