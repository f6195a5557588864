#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "EngineHarness.h"
#include "ObjectsOfType.h"
#include "SampleSnapshot.h"
#include "cards/CardContainer.h"
#include "cards/CardDemo.h"
#include "cards/CardOrTile.h"
#include "cards/DragableToken.h"
#include "cards/TokenTray.h"
#include "RawImageData.h"
#include "TestImages.h"

namespace
{
const int packSize = 52;
const unsigned int tableGreen = 0x008000;

class CardDemoTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		std::srand(11);
		ASSERT_EQ(0, harness.initialise());
		harness.step();
		// Presses reorder the list, so the objects are remembered from their set-up slots.
		for (int p = 0; p < 4; ++p)
			m_boxes[p] = dynamic_cast<CardContainer*>(engine.getObjectAt(CardDemo::firstBoxSlot + p));
		for (int t = 0; t < 2; ++t)
			m_trays[t] = dynamic_cast<TokenTray*>(engine.getObjectAt(CardDemo::firstTraySlot + t));
		m_tile = dynamic_cast<CardOrTile*>(engine.getObjectAt(CardDemo::tileSlot));
	}

	CardContainer* box(int index) { return m_boxes[index]; }
	TokenTray* tray(int index) { return m_trays[index]; }
	CardOrTile* tile() { return m_tile; }
	template <typename T>
	std::vector<T*> onTable() { return objectsOfType<T>(engine); }
	std::vector<CardOrTile*> cardsOnTable()
	{
		std::vector<CardOrTile*> cards;
		for (CardOrTile* card : onTable<CardOrTile>())
			if (!card->isTile())
				cards.push_back(card);
		return cards;
	}
	// The centre of a box's band, where a press deals.
	void pressBand(int index) { harness.click(box(index)->getLeftEdge() + 8, box(index)->getTopEdge() + 35); }
	void holdKey(SDL_Keycode key)
	{
		harness.pushKeyDown(key);
		harness.step();
	}
	void releaseKey(SDL_Keycode key)
	{
		harness.pushKeyUp(key);
		harness.step();
	}
	// Wheel steps: up zooms in, down zooms out.
	void turnWheel(int steps)
	{
		for (int i = 0; i < std::abs(steps); ++i)
		{
			harness.pushMouseWheel(0, steps > 0 ? 1 : -1);
			harness.step();
		}
	}
	// Drags between two table points at the view's zoom, every pass checked against a whole
	// redraw of the same scene; returns how many passes drew a frame that differs from it.
	int dragCountingStaleFrames(int fromX, int fromY, int toX, int toY)
	{
		const int moves = 6;
		int stale = 0;
		auto pass = [&] { stale += harness.stepAndCountStalePixels() > 0 ? 1 : 0; };
		harness.pushMouseDown(SDL_BUTTON_LEFT, engine.toScreenX(fromX), engine.toScreenY(fromY));
		pass();
		for (int i = 1; i <= moves; ++i)
		{
			harness.pushMouseMove(engine.toScreenX(fromX + (toX - fromX) * i / moves),
				engine.toScreenY(fromY + (toY - fromY) * i / moves));
			pass();
		}
		harness.pushMouseUp(SDL_BUTTON_LEFT, engine.toScreenX(toX), engine.toScreenY(toY));
		pass();
		return stale;
	}

	// Every card and token lies in exactly one list: the engine's, a box's deck or discard
	// pile, or the child list of a box, tray or card.
	void expectEveryCardAndTokenInOneList(int tokens)
	{
		std::map<const DisplayableObject*, int> seen;
		std::vector<DisplayableObjectContainer*> childLists;
		auto visit = [&](DisplayableObjectContainer& list) {
			for (int i = 0; i < list.getObjectCount(); ++i)
				if (DisplayableObject* object = list.getObjectAt(i))
				{
					if (dynamic_cast<CardOrTile*>(object) || dynamic_cast<DragableToken*>(object))
						++seen[object];
					if (DragableTokenContainer* container = dynamic_cast<DragableTokenContainer*>(object))
						childLists.push_back(container);
				}
		};
		visit(engine);
		for (int p = 0; p < 4; ++p)
		{
			visit(box(p)->getDeck());
			visit(box(p)->getDiscard());
		}
		for (size_t k = 0; k < childLists.size(); ++k)
			visit(*childLists[k]);
		int cards = 0;
		int tokenCount = 0;
		for (const auto& entry : seen)
		{
			EXPECT_EQ(1, entry.second);
			if (dynamic_cast<const DragableToken*>(entry.first))
				++tokenCount;
			else if (!static_cast<const CardOrTile*>(entry.first)->isTile())
				++cards;
		}
		EXPECT_EQ(packSize, cards);
		EXPECT_EQ(tokens, tokenCount);
	}

	CardDemo engine;
	EngineHarness harness{engine};
	CardContainer* m_boxes[4] = {};
	TokenTray* m_trays[2] = {};
	CardOrTile* m_tile = nullptr;
};
} // namespace

TEST_F(CardDemoTest, TableStartsWithFourFullBoxesTwoTraysAndTheTile)
{
	ASSERT_EQ(CardDemo::slotCount, engine.getObjectCount());
	const char* names[] = {"Hearts", "Diamonds", "Clubs", "Spades"};
	for (int p = 0; p < 4; ++p)
	{
		ASSERT_NE(nullptr, box(p));
		EXPECT_EQ(names[p], box(p)->getName());
		EXPECT_EQ(13, box(p)->getDeck().getObjectCount());
		EXPECT_EQ(0, box(p)->getDiscard().getObjectCount());
		// The band reads "Draw" on green.
		EXPECT_EQ(0x00FF00u, harness.foregroundPixel(box(p)->getLeftEdge() + 95, box(p)->getTopEdge() + 30));
	}
	ASSERT_NE(nullptr, tray(0));
	ASSERT_NE(nullptr, tray(1));
	EXPECT_TRUE(cardsOnTable().empty());
	EXPECT_EQ(0xFF0000u, harness.foregroundPixel(400 + 30, 300 + 30));
	// The tile shows the card sheet from (800, 0); the sheet's key colour lets the table through.
	ASSERT_NE(nullptr, tile());
	EXPECT_EQ(800, tile()->getLeftEdge());
	EXPECT_EQ(0, tile()->getTopEdge());
	EXPECT_EQ(tableGreen, harness.foregroundPixel(802, 2));
	EXPECT_NE(tableGreen, harness.foregroundPixel(800 + 40, 44 + 100));
	expectEveryCardAndTokenInOneList(0);
	saveSampleSnapshot(harness, "cards-start");
}

TEST_F(CardDemoTest, PressingTheBandDealsTheTopCardCentredOnTheBox)
{
	CardContainer* hearts = box(0);
	DisplayableObject* top = hearts->getTopCard(false);
	harness.pushMouseDown(SDL_BUTTON_LEFT, hearts->getLeftEdge() + 8, hearts->getTopEdge() + 35);
	harness.step();
	EXPECT_EQ(0x800000, hearts->getButtonColour());
	EXPECT_EQ(0x800000u, harness.foregroundPixel(hearts->getLeftEdge() + 5, hearts->getTopEdge() + 45));
	harness.pushMouseUp(SDL_BUTTON_LEFT, hearts->getLeftEdge() + 8, hearts->getTopEdge() + 35);
	harness.step();
	EXPECT_EQ(-1, hearts->getButtonColour());
	EXPECT_EQ(12, hearts->getDeck().getObjectCount());
	ASSERT_EQ(top, engine.getObjectAt(engine.getObjectCount() - 1));
	EXPECT_EQ(hearts->getCentreX(), top->getCentreX());
	EXPECT_EQ(hearts->getCentreY(), top->getCentreY());
	EXPECT_EQ(73, top->getDrawWidth());
	EXPECT_EQ(108, top->getDrawHeight());
	// The king of hearts: a card face, drawn at half size over the box.
	EXPECT_NE(tableGreen, harness.foregroundPixel(top->getCentreX(), top->getCentreY()));
	expectEveryCardAndTokenInOneList(0);
	saveSampleSnapshot(harness, "cards-dealt");
}

TEST_F(CardDemoTest, DealingFromAnEmptyPileChangesNothing)
{
	for (int deal = 0; deal < 13; ++deal)
		pressBand(1);
	EXPECT_EQ(0, box(1)->getDeck().getObjectCount());
	EXPECT_EQ(nullptr, box(1)->takeTopCard(false));
	EXPECT_EQ(nullptr, box(1)->getTopCard(true));
	const int onTableBefore = static_cast<int>(cardsOnTable().size());
	pressBand(1);
	holdKey(SDLK_d);
	pressBand(1);
	releaseKey(SDLK_d);
	EXPECT_EQ(onTableBefore, static_cast<int>(cardsOnTable().size()));
	box(1)->getDeck().shuffleObjects();
	expectEveryCardAndTokenInOneList(0);
}

TEST_F(CardDemoTest, CardsDroppedOnABoxGoToItsDeckOrWithDToItsDiscardPile)
{
	pressBand(0);
	pressBand(0);
	std::vector<CardOrTile*> dealt = cardsOnTable();
	ASSERT_EQ(2u, dealt.size());
	CardOrTile* topCard = dealt[1];
	CardContainer* spades = box(3);
	// Drag by a corner of the card that the box beneath does not reach.
	const int fromX = topCard->getCentreX() + 30;
	const int fromY = topCard->getCentreY() + 45;
	harness.drag(fromX, fromY, spades->getCentreX(), spades->getCentreY());
	EXPECT_EQ(14, spades->getDeck().getObjectCount());
	EXPECT_EQ(topCard, spades->getTopCard(false));
	expectEveryCardAndTokenInOneList(0);

	CardOrTile* other = dealt[0];
	holdKey(SDLK_d);
	harness.drag(other->getCentreX() + 30, other->getCentreY() + 45, spades->getCentreX(), spades->getCentreY());
	EXPECT_EQ(1, spades->getDiscard().getObjectCount());
	// "DISCARD" starts left of where "DECK" would.
	EXPECT_GT(harness.countForegroundPixels(spades->getLeftEdge() + 2, spades->getTopEdge() + 51, 17, 20, 0xFFFFFF), 0);
	// Dealing with 'd' held takes from the discard pile.
	pressBand(3);
	releaseKey(SDLK_d);
	EXPECT_EQ(0, spades->getDiscard().getObjectCount());
	EXPECT_EQ(other, cardsOnTable().back());
	// Dropped on the open table, a card stays there.
	harness.drag(other->getCentreX() + 30, other->getCentreY() + 45, 620, 150);
	EXPECT_EQ(other, cardsOnTable().back());
	EXPECT_EQ(620, other->getX() + 30);
	expectEveryCardAndTokenInOneList(0);
}

// The card drops into the box and leaves the engine's list while the release goes round;
// the box that took its place in the list still gets the release and stops dragging.
TEST_F(CardDemoTest, ABoxDraggedWhileACardDropsOnItGetsItsReleaseToo)
{
	pressBand(0);
	CardOrTile* card = cardsOnTable().back();
	CardContainer* diamonds = box(1);
	harness.pushMouseDown(SDL_BUTTON_LEFT, card->getCentreX() + 30, card->getCentreY() + 45);
	harness.step();
	harness.pushMouseMove(500, 150);
	harness.step();
	const int boxX = diamonds->getX();
	const int boxY = diamonds->getY();
	harness.pushMouseDown(SDL_BUTTON_RIGHT, diamonds->getLeftEdge() + 50, diamonds->getTopEdge() + 60);
	harness.step();
	harness.pushMouseUp(SDL_BUTTON_RIGHT, diamonds->getLeftEdge() + 50, diamonds->getTopEdge() + 60);
	harness.step();
	EXPECT_EQ(card, diamonds->getTopCard(false));
	harness.pushMouseMove(600, 500);
	harness.step();
	EXPECT_EQ(boxX, diamonds->getX());
	EXPECT_EQ(boxY, diamonds->getY());
	harness.pushMouseUp(SDL_BUTTON_LEFT, 600, 500);
	harness.step();
	expectEveryCardAndTokenInOneList(0);
}

TEST_F(CardDemoTest, ShuffleWithSHeldReordersThePileAndMarksTheBand)
{
	CardContainer* clubs = box(2);
	std::vector<DisplayableObject*> before;
	for (int i = 0; i < 13; ++i)
		before.push_back(clubs->getDeck().getObjectAt(i));
	holdKey(SDLK_s);
	EXPECT_EQ(0x800080u, harness.foregroundPixel(clubs->getLeftEdge() + 95, clubs->getTopEdge() + 30));
	harness.pushMouseDown(SDL_BUTTON_LEFT, clubs->getLeftEdge() + 50, clubs->getTopEdge() + 60);
	harness.step();
	EXPECT_EQ(0xFF0000u, harness.foregroundPixel(clubs->getLeftEdge() + 95, clubs->getTopEdge() + 30));
	harness.pushMouseUp(SDL_BUTTON_LEFT, clubs->getLeftEdge() + 50, clubs->getTopEdge() + 60);
	harness.step();
	releaseKey(SDLK_s);
	std::vector<DisplayableObject*> after;
	for (int i = 0; i < 13; ++i)
		after.push_back(clubs->getDeck().getObjectAt(i));
	EXPECT_NE(before, after);
	EXPECT_EQ(0x00FF00u, harness.foregroundPixel(clubs->getLeftEdge() + 95, clubs->getTopEdge() + 30));
	expectEveryCardAndTokenInOneList(0);
}

TEST_F(CardDemoTest, FHeldFlipsACardAndTheRightButtonTogglesItsSize)
{
	pressBand(1);
	CardOrTile* card = cardsOnTable().back();
	const int x = card->getCentreX();
	const int y = card->getCentreY();
	EXPECT_EQ(CardOrTile::LoadedSide::sideA, card->getLoadedSide());
	holdKey(SDLK_f);
	harness.click(x + 20, y + 40);
	releaseKey(SDLK_f);
	EXPECT_FALSE(card->isShowingSideA());
	EXPECT_EQ(CardOrTile::LoadedSide::sideB, card->getLoadedSide());
	EXPECT_EQ(148, card->getImage().getWidth());
	EXPECT_EQ(0x1E3F8Cu, harness.foregroundPixel(x - 20, y - 30));
	saveSampleSnapshot(harness, "cards-flipped");

	harness.click(x + 20, y + 40, SDL_BUTTON_RIGHT);
	EXPECT_EQ(1, card->getScale());
	EXPECT_EQ(148, card->getDrawWidth());
	EXPECT_EQ(216, card->getDrawHeight());
	harness.click(x + 20, y + 40, SDL_BUTTON_RIGHT);
	EXPECT_EQ(74, card->getDrawWidth());
	// The tile is at its base scale of 1 already.
	harness.click(tile()->getLeftEdge() + 60, 100, SDL_BUTTON_RIGHT);
	EXPECT_EQ(1, tile()->getScale());
}

TEST_F(CardDemoTest, ACardFirstShownOnSideBLoadsSideB)
{
	CardOrTile* card = new CardOrTile(&engine, 600, 150, CardDemo::cardSheetUrl, 5, 44, 147, 216, CardDemo::cardBackUrl, 0,
		0, 148, 216, 147, 216, 2, false);
	engine.appendObject(card);
	EXPECT_EQ(CardOrTile::LoadedSide::none, card->getLoadedSide());
	// The flip is handled before the card is ever drawn: both events arrive in one pass.
	harness.pushKeyDown(SDLK_f);
	harness.pushMouseDown(SDL_BUTTON_LEFT, 600, 150);
	harness.step();
	harness.pushMouseUp(SDL_BUTTON_LEFT, 600, 150);
	harness.pushKeyUp(SDLK_f);
	harness.step();
	EXPECT_EQ(CardOrTile::LoadedSide::sideB, card->getLoadedSide());
	EXPECT_EQ(148, card->getImage().getWidth());
}

TEST_F(CardDemoTest, APictureThatCannotLoadShowsARedSquare)
{
	CardOrTile* card = new CardOrTile(&engine, 600, 150, "images/no-such-card.png", 0, 0, 100, 100, "images/no-such-back.png",
		0, 0, 100, 100, 100, 100, 0, true);
	engine.appendObject(card);
	engine.requestFullRedraw();
	harness.step();
	EXPECT_EQ(CardOrTile::LoadedSide::sideA, card->getLoadedSide());
	EXPECT_EQ(0xFF0000u, harness.foregroundPixel(690, 240));
}

TEST_F(CardDemoTest, TrayCellsMakeTokensThatDragIntoBoxesAndOut)
{
	TokenTray* first = tray(0);
	// A press on the red cell makes a red token just above the tray, at the mouse x. Without
	// a number it draws and moves without asking for the number's font.
	OutputCapture fontLines;
	fontLines.start();
	harness.click(first->getLeftEdge() + 30, first->getTopEdge() + 30);
	std::vector<DragableToken*> tokens = onTable<DragableToken>();
	ASSERT_EQ(1u, tokens.size());
	DragableToken* token = tokens[0];
	EXPECT_EQ(first->getLeftEdge() + 30, token->getX());
	EXPECT_EQ(first->getTopEdge() - 25, token->getY());
	EXPECT_FALSE(token->isDragging());
	EXPECT_EQ(0xFF0000u, harness.foregroundPixel(token->getX() + 12, token->getY() + 12));

	// Dropped across the edge of the Hearts box, it is pulled wholly inside.
	CardContainer* hearts = box(0);
	harness.drag(token->getX() + 12, token->getY() + 12, hearts->getLeftEdge() + 3, hearts->getTopEdge() + 40);
	EXPECT_TRUE(onTable<DragableToken>().empty());
	ASSERT_EQ(token, hearts->getObjectAt(0));
	EXPECT_EQ(hearts->getLeftEdge(), token->getLeftEdge());
	EXPECT_EQ(std::string::npos, fontLines.stop().find("Loading font: 15 point"));
	expectEveryCardAndTokenInOneList(1);

	// Dragging the box brings the token along.
	const int tokenX = token->getX();
	harness.drag(hearts->getLeftEdge() + 90, hearts->getTopEdge() + 70, hearts->getLeftEdge() + 140,
		hearts->getTopEdge() + 50);
	EXPECT_EQ(tokenX + 50, token->getX());

	// A press on it with 'p' held takes it out, counts it up and drags it.
	holdKey(SDLK_p);
	harness.pushMouseDown(SDL_BUTTON_LEFT, token->getX() + 12, token->getY() + 12);
	harness.step();
	releaseKey(SDLK_p);
	EXPECT_TRUE(token->isDragging());
	EXPECT_EQ(1, token->getNumber());
	EXPECT_EQ(0, hearts->getObjectCount());
	EXPECT_EQ(token, engine.getObjectAt(engine.getObjectCount() - 1));
	harness.pushMouseMove(640, 200);
	harness.step();
	harness.pushMouseUp(SDL_BUTTON_LEFT, 640, 200);
	harness.step();
	// On the open table it stays loose where it was released.
	EXPECT_EQ(token, onTable<DragableToken>().at(0));
	EXPECT_FALSE(token->isDragging());
	expectEveryCardAndTokenInOneList(1);
	holdKey(SDLK_o);
	harness.click(token->getX() + 12, token->getY() + 12);
	harness.click(token->getX() + 12, token->getY() + 12);
	releaseKey(SDLK_o);
	EXPECT_EQ(-1, token->getNumber());
	saveSampleSnapshot(harness, "cards-tokens");
}

TEST_F(CardDemoTest, TokensRideOnCardsAndTheClearCellEmptiesOnlyItsTray)
{
	TokenTray* second = tray(1);
	harness.click(second->getLeftEdge() + 5, second->getTopEdge() + 55);   // cyan
	harness.click(second->getLeftEdge() + 60, second->getTopEdge() + 30);  // green
	std::vector<DragableToken*> tokens = onTable<DragableToken>();
	ASSERT_EQ(2u, tokens.size());
	// The first onto the tray itself, the second onto a dealt card.
	harness.drag(tokens[0]->getX() + 12, tokens[0]->getY() + 12, second->getLeftEdge() + 50, second->getTopEdge() + 40);
	pressBand(2);
	CardOrTile* card = cardsOnTable().back();
	harness.drag(tokens[1]->getX() + 12, tokens[1]->getY() + 12, card->getCentreX(), card->getCentreY() + 30);
	ASSERT_EQ(tokens[1], card->getObjectAt(0));
	expectEveryCardAndTokenInOneList(2);
	// The card goes back into a box, with its token on it.
	harness.drag(card->getCentreX() + 30, card->getCentreY() - 45, box(3)->getCentreX(), box(3)->getCentreY());
	EXPECT_EQ(card, box(3)->getTopCard(false));
	expectEveryCardAndTokenInOneList(2);
	harness.click(second->getLeftEdge() + 90, second->getTopEdge() + 65);
	EXPECT_EQ(0, second->getObjectCount());
	harness.click(second->getLeftEdge() + 90, second->getTopEdge() + 65);
	expectEveryCardAndTokenInOneList(1);
}

// A halved card leaves its token lying outside it, and a token's "-12" reaches past its disc:
// every frame of their drags equals a whole redraw, at zoom-out 3, 1:1 and zoom-in 2.
TEST_F(CardDemoTest, DragsOfCardsWithTokensOutsideAndOfNumberedTokensLeaveNoStalePixels)
{
	pressBand(0);
	CardOrTile* card = cardsOnTable().back();
	harness.drag(card->getCentreX() + 30, card->getCentreY() + 45, 630, 275);
	harness.click(card->getCentreX(), card->getCentreY(), SDL_BUTTON_RIGHT);
	const int redCellX = tray(0)->getLeftEdge() + 30;
	const int redCellY = tray(0)->getTopEdge() + 30;
	harness.click(redCellX, redCellY);
	DragableToken* riding = onTable<DragableToken>().back();
	harness.drag(riding->getX() + 12, riding->getY() + 12, card->getRightEdge() - 5, card->getBottomEdge() - 5);
	harness.click(card->getLeftEdge() + 20, card->getTopEdge() + 20, SDL_BUTTON_RIGHT);
	ASSERT_EQ(riding, card->getObjectAt(0));
	ASSERT_GT(riding->getLeftEdge(), card->getRightEdge());
	harness.click(redCellX, redCellY);
	DragableToken* numbered = onTable<DragableToken>().back();
	holdKey(SDLK_o);
	for (int i = 0; i < 12; ++i)
		harness.click(numbered->getX() + 12, numbered->getY() + 12);
	releaseKey(SDLK_o);
	ASSERT_EQ(-12, numbered->getNumber());
	for (int wheel : {-2, 0, 1})
	{
		SCOPED_TRACE(wheel);
		turnWheel(wheel);
		const int cardX = card->getLeftEdge() + 20;
		const int cardY = card->getTopEdge() + 20;
		const int tokenX = numbered->getX() + 12;
		const int tokenY = numbered->getY() + 12;
		int stale = dragCountingStaleFrames(cardX, cardY, cardX + 40, cardY + 30);
		stale += dragCountingStaleFrames(cardX + 40, cardY + 30, cardX, cardY);
		stale += dragCountingStaleFrames(tokenX, tokenY, tokenX + 60, tokenY - 30);
		stale += dragCountingStaleFrames(tokenX + 60, tokenY - 30, tokenX, tokenY);
		EXPECT_EQ(0, stale);
		turnWheel(-wheel);
	}
}

TEST_F(CardDemoTest, TheTileDragsOnlyWithMHeldAndOtherwisePassesThePressOn)
{
	CardOrTile* sheet = tile();
	const int x = sheet->getX();
	harness.drag(950, 200, 900, 200);
	EXPECT_EQ(x, sheet->getX());
	holdKey(SDLK_m);
	harness.drag(950, 200, 900, 200);
	EXPECT_EQ(x - 50, sheet->getX());
	// Only cards go into a box: the tile dropped on one stays on the table where it was dropped.
	CardContainer* diamonds = box(1);
	harness.drag(900, 200, diamonds->getCentreX(), diamonds->getCentreY());
	releaseKey(SDLK_m);
	EXPECT_EQ(x - 50 + diamonds->getCentreX() - 900, sheet->getX());
	EXPECT_EQ(13, diamonds->getDeck().getObjectCount());
	EXPECT_EQ(sheet, engine.getObjectAt(CardDemo::tileSlot));
	// A tray under the tile still takes the press the tile passes on.
	TokenTray* top = tray(0);
	top->setDrawnTopLeft(870, 400);
	harness.click(top->getLeftEdge() + 30, top->getTopEdge() + 30);
	EXPECT_EQ(1u, onTable<DragableToken>().size());
}

TEST_F(CardDemoTest, ArrowsPanSpaceResetsAndTheWheelZoomsAboutTheCentre)
{
	harness.tapKey(SDLK_RIGHT);
	harness.tapKey(SDLK_DOWN);
	EXPECT_EQ(-10, engine.getTranslation().getXOffset());
	EXPECT_EQ(-10, engine.getTranslation().getYOffset());
	harness.tapKey(SDLK_LEFT);
	harness.tapKey(SDLK_LEFT);
	harness.tapKey(SDLK_UP);
	EXPECT_EQ(10, engine.getTranslation().getXOffset());
	EXPECT_EQ(0, engine.getTranslation().getYOffset());
	EXPECT_EQ(tableGreen, harness.foregroundPixel(5, 5));
	const int centreX = engine.toVirtualX(500);
	const int centreY = engine.toVirtualY(350);
	harness.pushMouseWheel(0, -1);
	harness.step();
	EXPECT_EQ(2, engine.getScaling().getXCompress());
	EXPECT_NEAR(centreX, engine.toVirtualX(500), 2);
	EXPECT_NEAR(centreY, engine.toVirtualY(350), 2);
	saveSampleSnapshot(harness, "cards-zoomed-out");
	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(0, engine.getTranslation().getXOffset());
	EXPECT_EQ(2, engine.getScaling().getXCompress());
	// Presses reach the objects in table coordinates: the Hearts band deals at any zoom.
	harness.click(engine.toScreenX(box(0)->getLeftEdge() + 8), engine.toScreenY(box(0)->getTopEdge() + 35));
	EXPECT_EQ(12, box(0)->getDeck().getObjectCount());
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}

TEST_F(CardDemoTest, TheKeyPixelDecidesTheTransparentColourAndNoKeyLeavesAllOpaque)
{
	// White all over but a red top-left pixel.
	TestImageDirectory directory;
	const std::string picture = directory.writePng("white.png", 40, 30,
		[](int x, int y) { return x == 0 && y == 0 ? 0xFFFF0000u : 0xFFFFFFFFu; });
	CardOrTile* card = new CardOrTile(&engine, 600, 150, picture, 0, 0, -1, -1, picture, 0, 0, -1, -1, 40, 30, 1, false);
	engine.appendObject(card);
	engine.requestFullRedraw();
	harness.step();
	const std::shared_ptr<RawImageData> image = card->getImage().getImageData();
	ASSERT_TRUE(image != nullptr);
	// A side given to the edges takes the whole picture.
	EXPECT_EQ(40, card->getDrawWidth());
	EXPECT_EQ(30, card->getDrawHeight());
	// No key pixel: nothing is see-through, white included.
	EXPECT_EQ(0xFFFFFFu, harness.foregroundPixel(card->getLeftEdge() + 10, card->getTopEdge() + 10));
	EXPECT_EQ(0xFF0000u, harness.foregroundPixel(card->getLeftEdge(), card->getTopEdge()));
	card->setTileKey(0, 0);
	engine.requestFullRedraw();
	harness.step();
	EXPECT_EQ(tableGreen, harness.foregroundPixel(card->getLeftEdge(), card->getTopEdge()));
	EXPECT_EQ(0xFFFFFFu, harness.foregroundPixel(card->getLeftEdge() + 10, card->getTopEdge() + 10));
}
