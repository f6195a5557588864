#include "DragableTokenContainer.h"

#include "BaseEngine.h"
#include "DragableToken.h"
#include "TokenMessages.h"

namespace
{
const unsigned int boxColour = 0xFFFF00;
const unsigned int labelColour = 0x000000;
const char* const labelFont = "Cornerstone Regular.ttf";
const int labelSize = 24;
} // namespace

DragableTokenContainer::DragableTokenContainer(int x, int y, BaseEngine* engine, int width, int height, bool topLeft,
	bool visible)
	: DragableBaseClassObject(x, y, engine, width, height, topLeft)
{
	engine->setMouseEventsToObjects(true);
	setVisible(visible);
	engine->setMouseDownTopmostFirst(true);
}

bool DragableTokenContainer::needsDrawing() const
{
	return isVisible() && (m_engine->isWholeScreenRedraw() || overlapsRedrawArea());
}

void DragableTokenContainer::draw()
{
	if (!isVisible())
		return;
	if (needsDrawing())
		drawBody();
	drawChildren();
}

void DragableTokenContainer::drawBody()
{
	const int left = getLeftEdge();
	const int top = getTopEdge();
	for (int x = left; x < left + m_width; ++x)
		for (int y = top; y < top + m_height; ++y)
			m_engine->setForegroundPixel(x, y, boxColour);
	FontEntry* font = m_engine->getFont(labelFont, labelSize);
	m_engine->drawForegroundString(left + 5, top + 5, "Token", labelColour, font);
	m_engine->drawForegroundString(left + 5, top + 35, "Cntnr", labelColour, font);
}

void DragableTokenContainer::drawChildren()
{
	forEachObjectUntil([](DisplayableObject* child) {
		child->draw();
		return false;
	});
}

int DragableTokenContainer::notify(int code, int a, int b)
{
	if (code == TokenMessages::acceptToken)
		return containsPoint(a, b) ? TokenMessages::yes : TokenMessages::no;
	return TokenMessages::no;
}

// The position becomes exactly the point given; the draw offset is not taken off.
void DragableTokenContainer::setDrawnTopLeft(int x, int y)
{
	notifyAllObjects(TokenMessages::moveBy, x - m_x, y - m_y);
	m_x = x;
	m_y = y;
}

void DragableTokenContainer::dragMoveWithChildren(int x, int y)
{
	if (!m_dragging)
		return;
	const int oldX = m_x;
	const int oldY = m_y;
	dragMove(x, y);
	notifyAllObjects(TokenMessages::moveBy, m_x - oldX, m_y - oldY);
	// The drag asked for its redraws before the children followed: their new place is asked here.
	redrawChildren();
}

void DragableTokenContainer::onMouseMove(int x, int y)
{
	if (!m_dragging)
		return;
	dragMoveWithChildren(x, y);
}

void DragableTokenContainer::onMouseDown(int button, int x, int y)
{
	if (!containsPoint(x, y))
		return;
	forEachObjectUntil([button, x, y](DisplayableObject* child) {
		child->onMouseDown(button, x, y);
		return false;
	});
}

void DragableTokenContainer::onMouseUp(int button, int x, int y)
{
	(void)button;
	dragMoveWithChildren(x, y);
	dragEnd(x, y);
	requestFullRedraw();
}

bool DragableTokenContainer::offerClick(int button, int x, int y)
{
	(void)button;
	if (!containsPoint(x, y))
		return false;
	bringToFront();
	if (!pickChild(x, y))
		dragStart(x, y);
	return true;
}

// Children can lie outside the box (a card shrinks, its tokens stay), so each asks for its own.
void DragableTokenContainer::requestRedraw()
{
	redrawOwnArea();
	redrawChildren();
}

void DragableTokenContainer::redrawChildren()
{
	forEachObjectUntil([](DisplayableObject* child) {
		if (DragableToken* token = dynamic_cast<DragableToken*>(child))
			token->redrawDrawnArea();
		else
			child->redrawOwnArea();
		return false;
	});
}

void DragableTokenContainer::bringToFront()
{
	m_engine->moveObjectToEnd(this);
}

// A token lives in one list at a time: it leaves this box's list before joining the engine's.
bool DragableTokenContainer::pickChild(int x, int y)
{
	DisplayableObject* child = findTopmostByNotify(TokenMessages::hitTestToken, TokenMessages::yes, x, y);
	if (child == nullptr)
		return false;
	detachObject(child);
	m_engine->appendObject(child);
	child->notify(TokenMessages::startDragging, x, y);
	return true;
}
