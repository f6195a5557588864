#include "DisplayableObject.h"

#include "BaseEngine.h"
#include "SaturatingInt.h"

namespace
{
// One axis of keepInsideWindow. Positions read from files may lie anywhere in the int
// range, so the edges are worked out wide: an extreme position ends where the window
// rules put it instead of wrapping.
int positionInsideWindow(int position, int drawOffset, int size, int windowSize)
{
	const long long nearEdge = static_cast<long long>(position) + drawOffset;
	long long clamped = position;
	if (nearEdge < 0)
		clamped = -static_cast<long long>(drawOffset);
	else if (nearEdge + size >= windowSize)
		clamped = static_cast<long long>(windowSize) - drawOffset - size;
	// Wider than the window: the near edge stays at 0.
	if (clamped + drawOffset < 0)
		clamped = -static_cast<long long>(drawOffset);
	return clampToInt(clamped);
}
} // namespace

DisplayableObject::DisplayableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft)
	: m_engine(engine), m_x(x), m_y(y),
	  m_drawOffsetX(topLeft ? 0 : -width / 2), m_drawOffsetY(topLeft ? 0 : -height / 2),
	  m_width(width), m_height(height)
{
	keepInsideWindow();
}

DisplayableObject::DisplayableObject(BaseEngine* engine, int width, int height, bool topLeft)
	: DisplayableObject(0, 0, engine, width, height, topLeft)
{
}

void DisplayableObject::draw()
{
	if (!m_visible)
		return;
	const int left = getLeftEdge();
	const int top = getTopEdge();
	for (int x = left; x < left + m_width; ++x)
		for (int y = top; y < top + m_height; ++y)
			m_engine->setForegroundPixel(x, y, m_colour);
}

bool DisplayableObject::containsPoint(int x, int y)
{
	const int left = getLeftEdge();
	const int top = getTopEdge();
	return x >= left && x < left + m_width && y >= top && y < top + m_height;
}

void DisplayableObject::setDrawnTopLeft(int x, int y)
{
	m_x = x - m_drawOffsetX;
	m_y = y - m_drawOffsetY;
}

void DisplayableObject::requestFullRedraw()
{
	m_engine->requestFullRedraw();
}

void DisplayableObject::redrawOwnArea()
{
	m_engine->redrawArea(getLeftEdge(), getTopEdge(), m_width, m_height);
}

// Judged on the screen, where the frame copies and clips: under a zoom-out one screen column
// holds several virtual ones, so virtual edges alone would miss pixels the copy covers. The
// far edge's screen value is one past the object's last pixel (or on it), which errs towards
// drawing, and the filter drops what lies outside anyway.
bool DisplayableObject::overlapsRedrawArea() const
{
	return rectangleMeetsRedrawArea(static_cast<long long>(m_x) + m_drawOffsetX, static_cast<long long>(m_y) + m_drawOffsetY,
		m_width, m_height);
}

bool DisplayableObject::rectangleMeetsRedrawArea(long long left, long long top, long long width, long long height) const
{
	const int dirtyLeft = m_engine->getDirtyScreenLeft();
	const int dirtyTop = m_engine->getDirtyScreenTop();
	const int dirtyRight = m_engine->getDirtyScreenRight();
	const int dirtyBottom = m_engine->getDirtyScreenBottom();
	if (dirtyLeft > dirtyRight || dirtyTop > dirtyBottom)
		return false;
	if (m_engine->toScreenX(clampToInt(left + width)) < dirtyLeft || m_engine->toScreenX(clampToInt(left)) > dirtyRight)
		return false;
	return m_engine->toScreenY(clampToInt(top + height)) >= dirtyTop && m_engine->toScreenY(clampToInt(top)) <= dirtyBottom;
}

void DisplayableObject::keepInsideWindow()
{
	if (m_engine == nullptr)
		return;
	m_x = positionInsideWindow(m_x, m_drawOffsetX, m_width, m_engine->getWindowWidth());
	m_y = positionInsideWindow(m_y, m_drawOffsetY, m_height, m_engine->getWindowHeight());
}
