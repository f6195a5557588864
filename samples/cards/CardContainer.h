#pragma once
// A card box on the table: a name, a deck and a discard pile that own their cards, and a
// band that deals the top card onto the table (or, with 's' held, shuffles the pile).

#include <string>

#include "DisplayableObjectContainer.h"
#include "DragableTokenContainer.h"

class CardContainer : public DragableTokenContainer
{
public:
	static constexpr int boxWidth = 100;
	static constexpr int boxHeight = 75;

	CardContainer(BaseEngine* engine, int x, int y, std::string name);

	int notify(int code, int a, int b) override;
	void onMouseUp(int button, int x, int y) override;
	bool offerClick(int button, int x, int y) override;

	bool addCard(DisplayableObject* card, bool toDiscard);
	// The last card of the pile, or null when it holds none.
	DisplayableObject* getTopCard(bool fromDiscard) const;
	// As getTopCard, and the card leaves the pile; an empty pile gives null and stays as it is.
	DisplayableObject* takeTopCard(bool fromDiscard);

	const std::string& getName() const { return m_name; }
	DisplayableObjectContainer& getDeck() { return m_deck; }
	DisplayableObjectContainer& getDiscard() { return m_discard; }
	// -1 while the band shows its default colour.
	int getButtonColour() const { return m_buttonColour; }

private:
	DisplayableObjectContainer& pile(bool discard) { return discard ? m_discard : m_deck; }
	const DisplayableObjectContainer& pile(bool discard) const { return discard ? m_discard : m_deck; }
	void dealTopCard(bool fromDiscard);
	// The panels, the band, the labels and the border, without the tokens lying on the box.
	void drawBody() override;
	void drawBand(int left, int top);
	void drawBorder(int left, int top);

	std::string m_name;
	DisplayableObjectContainer m_deck;
	DisplayableObjectContainer m_discard;
	int m_buttonColour = -1;
};
