#include "CardDemo.h"

#include "CardContainer.h"
#include "CardOrTile.h"
#include "PixelSurface.h"
#include "TokenTray.h"
#include "common/TableScrollKeys.h"

const char* const CardDemo::cardSheetUrl = "images\\cards.png";
const char* const CardDemo::cardBackUrl = "images\\cardback.png";

namespace
{
const unsigned int tableColour = 0x008000;
const int escapeKey = 27;

// The sheet holds the pack as one row per suit, thirteen cells a row.
const int suits = 4;
const int ranks = 13;
const int faceWidth = 147;
const int faceHeight = 216;
const int sheetLeft = 5;
const int sheetTop = 44;
const int backWidth = 148;
const int cardScale = 2;

struct BoxPlace
{
	const char* name;
	int x;
	int y;
};
const BoxPlace boxes[suits] = {{"Hearts", 50, 300}, {"Diamonds", 800, 300}, {"Clubs", 50, 600}, {"Spades", 800, 600}};
const int trayPlaces[2][2] = {{400, 300}, {400, 600}};
const int tileX = 1000;
const int tileY = 0;
} // namespace

CardDemo::CardDemo()
	: m_scaling(0, 0, getEngineFilter()), m_translation(0, 0, &m_scaling)
{
}

int CardDemo::setUpContent()
{
	m_backgroundSurface->setFilter(&m_translation);
	m_foregroundSurface->setFilter(&m_translation);
	return BaseEngine::setUpContent();
}

void CardDemo::drawBackground()
{
	fillBackground(tableColour);
}

int CardDemo::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);

	CardContainer* suitBoxes[suits];
	for (int p = 0; p < suits; ++p)
		suitBoxes[p] = new CardContainer(this, boxes[p].x, boxes[p].y, boxes[p].name);

	// Each deck holds its row's cards in column order, the last column on top.
	for (int j = 0; j < ranks; ++j)
		for (int p = 0; p < suits; ++p)
		{
			CardOrTile* card = new CardOrTile(this, 0, 0, cardSheetUrl, j * faceWidth + sheetLeft,
				p * faceHeight + sheetTop, faceWidth, faceHeight, cardBackUrl, 0, 0, backWidth, faceHeight, faceWidth,
				faceHeight, cardScale, false);
			card->setTileKey(0, 0);
			suitBoxes[p]->addCard(card, false);
		}

	resetObjectSlots(slotCount);
	CardOrTile* tile = new CardOrTile(this, tileX, tileY, cardSheetUrl, 1, false);
	tile->setTileKey(0, 0);
	setObjectAt(tileSlot, tile);
	for (int t = 0; t < 2; ++t)
		setObjectAt(firstTraySlot + t, new TokenTray(this, trayPlaces[t][0], trayPlaces[t][1]));
	for (int p = 0; p < suits; ++p)
		setObjectAt(firstBoxSlot + p, suitBoxes[p]);
	return 0;
}

void CardDemo::onKeyDown(int key)
{
	if (key == escapeKey)
	{
		setExitCode(0);
		return;
	}
	TableScrollKeys::apply(m_translation, key);
	requestFullRedraw();
}

void CardDemo::onKeyUp(int key)
{
	(void)key;
	requestFullRedraw();
}

void CardDemo::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
	requestFullRedraw();
}

// The virtual point under the window centre stays under it.
void CardDemo::onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp)
{
	(void)x;
	(void)which;
	(void)timestamp;
	const int centreX = getWindowWidth() / 2;
	const int centreY = getWindowHeight() / 2;
	const int beforeX = toVirtualX(centreX);
	const int beforeY = toVirtualY(centreY);
	if (y < 0)
		m_scaling.zoomOut();
	else if (y > 0)
		m_scaling.zoomIn();
	m_translation.changeOffset(toVirtualX(centreX) - beforeX, toVirtualY(centreY) - beforeY);
	requestFullRedraw();
}
