#include "DragableToken.h"

#include <SDL_ttf.h>

#include <string>

#include "BaseEngine.h"
#include "DragableTokenContainer.h"
#include "TokenMessages.h"

namespace
{
const unsigned int draggedCentreColour = 0x808080;
const unsigned int numberColour = 0x000000;
const char* const numberFont = "Cornerstone Regular.ttf";
const int numberSize = 15;
// Brightness falls from the centre to the rim by this much out of 255.
const int brightest = 255;
const int shadeRange = 176;
// The number's text starts this far right of and below the token's top-left.
const int numberInset = 5;
} // namespace

DragableToken::DragableToken(BaseEngine* engine, int x, int y, unsigned int unitColour, bool visible)
	: DisplayableObject(x, y, engine, tokenSize, tokenSize, true)
{
	engine->setMouseEventsToObjects(true);
	setColour(unitColour);
	setVisible(visible);
}

std::string DragableToken::numberText() const
{
	return m_number == 0 ? std::string() : std::to_string(m_number);
}

// The text is measured with the font it is drawn with, so a number of any length is covered.
// A token without a number draws no text and leaves the font unasked for.
SDL_Rect DragableToken::drawnArea() const
{
	SDL_Rect area{getLeftEdge(), getTopEdge(), m_width, m_height};
	const std::string number = numberText();
	if (number.empty())
		return area;
	TTF_Font* font = m_engine->getFont(numberFont, numberSize)->getTTFFont();
	SDL_Rect text{area.x + numberInset, area.y + numberInset, 0, 0};
	if (font == nullptr || TTF_SizeText(font, number.c_str(), &text.w, &text.h) != 0)
		return area;
	SDL_Rect both;
	SDL_UnionRect(&area, &text, &both);
	return both;
}

bool DragableToken::meetsFrame() const
{
	const SDL_Rect area = drawnArea();
	return m_engine->isWholeScreenRedraw() || rectangleMeetsRedrawArea(area.x, area.y, area.w, area.h);
}

void DragableToken::redrawDrawnArea()
{
	const SDL_Rect area = drawnArea();
	m_engine->redrawArea(area.x, area.y, area.w, area.h);
}

void DragableToken::draw()
{
	if (!isVisible() || !meetsFrame())
		return;
	const int left = getLeftEdge();
	const int top = getTopEdge();
	const int radiusSquared = (m_width / 2) * (m_width / 2);
	const int cx = left + m_width / 2;
	const int cy = top + m_height / 2;
	for (int i = left; i < left + m_width; ++i)
		for (int j = top; j < top + m_height; ++j)
		{
			const int d2 = (i - cx) * (i - cx) + (j - cy) * (j - cy);
			if (d2 > radiusSquared)
				continue;
			if (m_dragging && d2 <= radiusSquared / 4)
				m_engine->setForegroundPixel(i, j, draggedCentreColour);
			else
				m_engine->setForegroundPixel(i, j,
					getColour() * static_cast<unsigned int>(brightest - d2 * shadeRange / radiusSquared));
		}
	if (m_number != 0)
		m_engine->drawForegroundString(left + numberInset, top + numberInset, numberText().c_str(), numberColour,
			m_engine->getFont(numberFont, numberSize));
}

void DragableToken::changeNumberByKeys()
{
	if (m_engine->isKeyPressed('o'))
		--m_number;
	else if (m_engine->isKeyPressed('p'))
		++m_number;
}

void DragableToken::startDragging(int mouseX, int mouseY)
{
	m_dragging = true;
	m_mouseStartX = mouseX;
	m_mouseStartY = mouseY;
	m_objectStartX = m_x;
	m_objectStartY = m_y;
}

int DragableToken::notify(int code, int a, int b)
{
	switch (code)
	{
	case TokenMessages::hitTestToken:
		if (!containsPoint(a, b))
			return TokenMessages::no;
		changeNumberByKeys();
		return TokenMessages::yes;
	case TokenMessages::startDragging:
		startDragging(a, b);
		return TokenMessages::yes;
	case TokenMessages::moveBy:
		m_x += a;
		m_y += b;
		return TokenMessages::yes;
	default:
		return TokenMessages::no;
	}
}

void DragableToken::onMouseMove(int x, int y)
{
	if (!m_dragging)
		return;
	redrawDrawnArea();
	m_x = m_objectStartX + x - m_mouseStartX;
	m_y = m_objectStartY + y - m_mouseStartY;
	redrawDrawnArea();
}

void DragableToken::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
}

void DragableToken::onMouseUp(int button, int x, int y)
{
	(void)button;
	if (m_dragging)
	{
		onMouseMove(x, y);
		m_dragging = false;
		dropOnContainerUnder(x, y);
	}
	requestFullRedraw();
}

// The token moves from the engine's list into the topmost container under the point and
// is pulled wholly inside it; with none there it stays loose where it was released.
void DragableToken::dropOnContainerUnder(int x, int y)
{
	DisplayableObject* found = m_engine->findTopmostByNotify(TokenMessages::acceptToken, TokenMessages::yes, x, y);
	DragableTokenContainer* target = dynamic_cast<DragableTokenContainer*>(found);
	if (target == nullptr)
		return;
	m_engine->detachObject(this);
	target->appendObject(this);
	if (getLeftEdge() < target->getLeftEdge())
		m_x += target->getLeftEdge() - getLeftEdge();
	if (getRightEdge() > target->getRightEdge())
		m_x -= getRightEdge() - target->getRightEdge();
	if (getTopEdge() < target->getTopEdge())
		m_y += target->getTopEdge() - getTopEdge();
	if (getBottomEdge() > target->getBottomEdge())
		m_y -= getBottomEdge() - target->getBottomEdge();
}

bool DragableToken::offerClick(int button, int x, int y)
{
	(void)button;
	if (!containsPoint(x, y))
		return false;
	redrawDrawnArea();
	m_engine->moveObjectToEnd(this);
	startDragging(x, y);
	changeNumberByKeys();
	redrawDrawnArea();
	return true;
}
