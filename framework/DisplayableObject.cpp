#include "DisplayableObject.h"

#include "BaseEngine.h"

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

bool DisplayableObject::overlapsRedrawArea() const
{
	const int left = getLeftEdge();
	const int top = getTopEdge();
	if (left + m_width < m_engine->getDirtyVirtualLeft())
		return false;
	if (left >= m_engine->getDirtyVirtualRight())
		return false;
	if (top + m_height < m_engine->getDirtyVirtualTop())
		return false;
	return top < m_engine->getDirtyVirtualBottom();
}

void DisplayableObject::keepInsideWindow()
{
	if (m_engine == nullptr)
		return;
	const int windowWidth = m_engine->getWindowWidth();
	const int windowHeight = m_engine->getWindowHeight();
	if (getLeftEdge() < 0)
		m_x = -m_drawOffsetX;
	else if (getLeftEdge() + m_width >= windowWidth)
		m_x = windowWidth - m_drawOffsetX - m_width;
	if (getTopEdge() < 0)
		m_y = -m_drawOffsetY;
	else if (getTopEdge() + m_height >= windowHeight)
		m_y = windowHeight - m_drawOffsetY - m_height;
	// Wider than the window: the left edge stays at 0.
	if (getLeftEdge() < 0)
		m_x = -m_drawOffsetX;
	if (getTopEdge() < 0)
		m_y = -m_drawOffsetY;
}
