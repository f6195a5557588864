#include "CardContainer.h"

#include <utility>

#include "BaseEngine.h"
#include "TokenMessages.h"

namespace
{
const int defaultColour = -1;
const int shuffledColour = 0xFF0000;
const int dealtColour = 0x800000;
const unsigned int shuffleBandColour = 0x800080;
const unsigned int drawBandColour = 0x00FF00;
const unsigned int panelColour = 0xB0B0B0;
const unsigned int white = 0xFFFFFF;
const unsigned int black = 0x000000;
const unsigned int draggedBorderColour = 0x0000FF;
const char* const labelFont = "Cornerstone Regular.ttf";
const int bandTextSize = 20;
const int nameSize = 16;
const int pileLabelSize = 18;
// The band is drawn on rows 25 to 49; presses count from row 22 to row 50.
const int bandTop = 25;
const int bandBottom = 49;
const int dealFirstRow = 22;
const int dealLastRow = 50;
const int shuffleRounds = 3;
} // namespace

CardContainer::CardContainer(BaseEngine* engine, int x, int y, std::string name)
	: DragableTokenContainer(x, y, engine, boxWidth, boxHeight, true, true), m_name(std::move(name))
{
}

bool CardContainer::addCard(DisplayableObject* card, bool toDiscard)
{
	pile(toDiscard).appendObject(card);
	return true;
}

DisplayableObject* CardContainer::getTopCard(bool fromDiscard) const
{
	const DisplayableObjectContainer& cards = pile(fromDiscard);
	for (int i = cards.getObjectCount() - 1; i >= 0; --i)
		if (DisplayableObject* card = cards.getObjectAt(i))
			return card;
	return nullptr;
}

DisplayableObject* CardContainer::takeTopCard(bool fromDiscard)
{
	DisplayableObject* card = getTopCard(fromDiscard);
	if (card != nullptr)
		pile(fromDiscard).detachObject(card);
	return card;
}

int CardContainer::notify(int code, int a, int b)
{
	if (code == TokenMessages::acceptCard)
		return containsPoint(a, b) ? TokenMessages::yes : TokenMessages::no;
	return DragableTokenContainer::notify(code, a, b);
}

// The card moves from the pile to the end of the engine's list, centred on the box.
void CardContainer::dealTopCard(bool fromDiscard)
{
	DisplayableObject* card = takeTopCard(fromDiscard);
	if (card == nullptr)
		return;
	card->setDrawnTopLeft(getCentreX(), getCentreY());
	m_engine->appendObject(card);
	m_buttonColour = dealtColour;
	redrawOwnArea();
}

bool CardContainer::offerClick(int button, int x, int y)
{
	(void)button;
	if (!containsPoint(x, y))
		return false;
	bringToFront();
	if (pickChild(x, y))
		return true;
	const bool discard = m_engine->isKeyPressed('d');
	const int row = y - getTopEdge();
	if (m_engine->isKeyPressed('s'))
	{
		for (int round = 0; round < shuffleRounds; ++round)
			pile(discard).shuffleObjects();
		m_buttonColour = shuffledColour;
		redrawOwnArea();
	}
	else if (row >= dealFirstRow && row <= dealLastRow)
		dealTopCard(discard);
	else
		dragStart(x, y);
	return true;
}

void CardContainer::onMouseUp(int button, int x, int y)
{
	m_buttonColour = defaultColour;
	requestFullRedraw();
	DragableTokenContainer::onMouseUp(button, x, y);
}

void CardContainer::drawBody()
{
	const int left = getLeftEdge();
	const int top = getTopEdge();
	m_engine->drawForegroundRectangle(left, top, left + boxWidth - 1, top + bandTop - 1, panelColour);
	drawBand(left, top);
	m_engine->drawForegroundRectangle(left, top + bandBottom, left + boxWidth - 1, top + boxHeight - 1, panelColour);
	m_engine->drawForegroundString(left + 3, top + 1, m_name.c_str(), white, m_engine->getFont(labelFont, nameSize));
	FontEntry* pileFont = m_engine->getFont(labelFont, pileLabelSize);
	if (m_engine->isKeyPressed('d'))
		m_engine->drawForegroundString(left + 2, top + 51, "DISCARD", white, pileFont);
	else
		m_engine->drawForegroundString(left + 20, top + 51, "DECK", white, pileFont);
	drawBorder(left, top);
}

void CardContainer::drawBand(int left, int top)
{
	FontEntry* font = m_engine->getFont(labelFont, bandTextSize);
	const bool shuffling = m_engine->isKeyPressed('s');
	unsigned int colour = shuffling ? shuffleBandColour : drawBandColour;
	if (m_buttonColour != defaultColour)
		colour = static_cast<unsigned int>(m_buttonColour);
	m_engine->drawForegroundRectangle(left, top + bandTop, left + boxWidth - 1, top + bandBottom, colour);
	if (shuffling)
		m_engine->drawForegroundString(left + 3, top + 26, "Shuffle", white, font);
	else
		m_engine->drawForegroundString(left + 15, top + 26, "Draw", black, font);
}

void CardContainer::drawBorder(int left, int top)
{
	const unsigned int colour = m_dragging ? draggedBorderColour : white;
	const int right = left + m_width - 1;
	const int bottom = top + m_height - 1;
	m_engine->drawForegroundLine(left, top, right, top, colour);
	m_engine->drawForegroundLine(left, top, left, bottom, colour);
	m_engine->drawForegroundLine(left, bottom, right, bottom, colour);
	m_engine->drawForegroundLine(right, top, right, bottom, colour);
}
