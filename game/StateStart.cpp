#include "StateStart.h"

#include "GreyStarField.h"
#include "ImageObject.h"
#include "ImageObjectWithChangingImage.h"
#include "MainMenuTitle.h"
#include "SavedGame.h"
#include "StateBonusGame.h"
#include "StateEnterDetails.h"
#include "StateInfo.h"
#include "StateLevel1.h"
#include "StateLevel2.h"
#include "StateLevel3.h"
#include "TV4Engine.h"

namespace
{
	const int slotCount = 5;
	const int titleSlot = 0;
	const int newGameSlot = 1;
	const int loadGameSlot = 2;
	const int infoSlot = 3;
	const int bonusSlot = 4;
	const int leftButton = 1;

	const char* const newGameImage = "images/NewGame.png";
	const char* const newGameHoverImage = "images/NewGameSelected.png";
	const char* const loadGameImage = "images/LoadGame.png";
	const char* const loadGameHoverImage = "images/LoadGameSelected.png";
	const char* const infoImage = "images/Info.png";
	const char* const infoHoverImage = "images/InfoSelected.png";
	const char* const titleImage = "images/MainMenuLogo2.png";
	const char* const bonusGameImage = "images/BonusGameImage.png";

	const unsigned int detailsTrack = 1;
	const unsigned int infoTrack = 1;
	const unsigned int bonusTrack = 5;

	void lightWhenHovered(ImageObjectWithChangingImage* item, int x, int y, const char* normal, const char* hover)
	{
		item->setImage(item->containsPoint(x, y) ? hover : normal);
	}
}

StateStart::StateStart(TV4Engine* engine)
	: State(engine)
{
}

// Grey stars on black, about one pixel in a thousand, drawn column by column.
void StateStart::drawBackground()
{
	m_engine->fillBackground(0);
	m_engine->lockBackgroundForDrawing();
	GreyStarField::draw(m_engine);
	m_engine->unlockBackgroundForDrawing();
	m_engine->requestFullRedraw();
}

void StateStart::createObjects()
{
	m_engine->markObjectsChanged();
	m_engine->removeAllObjects(true);
	m_engine->resetObjectSlots(slotCount);

	const int w = m_engine->getWidth();
	const int h = m_engine->getHeight();
	const int row = h / 6;
	m_newGameItem = new ImageObjectWithChangingImage(w / 2 - 200, 3 * row - 43, m_engine, newGameImage, true, false);
	m_loadGameItem = new ImageObjectWithChangingImage(w / 2 - 200, 4 * row - 43, m_engine, loadGameImage, true, false);
	m_infoItem = new ImageObjectWithChangingImage(w / 2 - 210, 5 * row - 40, m_engine, infoImage, true, false);
	MainMenuTitle* title = new MainMenuTitle(m_engine, titleImage, w / 2 - 400, 25, 0, 0);
	m_bonusGameButton = new ImageObject(w - 120, h - 120, m_engine, bonusGameImage, true, false);

	m_engine->setObjectAt(titleSlot, title);
	m_engine->setObjectAt(newGameSlot, m_newGameItem);
	m_engine->setObjectAt(loadGameSlot, m_loadGameItem);
	m_engine->setObjectAt(infoSlot, m_infoItem);
	m_engine->setObjectAt(bonusSlot, m_bonusGameButton);

	m_engine->setAllObjectsVisible(true);
	m_engine->requestFullRedraw();
}

void StateStart::mouseMoved(int x, int y)
{
	lightWhenHovered(m_newGameItem, x, y, newGameImage, newGameHoverImage);
	lightWhenHovered(m_loadGameItem, x, y, loadGameImage, loadGameHoverImage);
	lightWhenHovered(m_infoItem, x, y, infoImage, infoHoverImage);
	m_engine->requestFullRedraw();
}

// Every switch below deletes this menu: each returns at once after it.
void StateStart::mouseDown(int button, int x, int y)
{
	if (button != leftButton)
		return;
	if (m_newGameItem->containsPoint(x, y))
	{
		m_engine->changeState(new StateEnterDetails(m_engine), TV4Engine::redrawBackgroundThenObjects, detailsTrack, true);
		return;
	}
	if (m_loadGameItem->containsPoint(x, y))
	{
		openLoadedLevel(loadGame());
		return;
	}
	if (m_infoItem->containsPoint(x, y))
	{
		m_engine->changeState(new StateInfo(m_engine), TV4Engine::redrawNewSurfaces, infoTrack, true);
		return;
	}
	if (m_bonusGameButton->containsPoint(x, y))
	{
		m_engine->changeState(new StateBonusGame(m_engine), TV4Engine::redrawNewSurfaces, bonusTrack, true);
		return;
	}
}

int StateStart::loadGame()
{
	m_loadedLevel = SavedGame().read(*m_engine);
	return m_loadedLevel;
}

// Levels 1 to 3 open with their own track (2, 3, 4); anything else leaves the menu as it is.
void StateStart::openLoadedLevel(int level)
{
	const unsigned int firstLevelTrack = 2;
	State* next = nullptr;
	switch (level)
	{
	case 1: next = new StateLevel1(m_engine); break;
	case 2: next = new StateLevel2(m_engine); break;
	case 3: next = new StateLevel3(m_engine); break;
	default: return;
	}
	m_engine->changeState(next, TV4Engine::redrawObjectsThenBackground,
		firstLevelTrack + static_cast<unsigned int>(level - 1), true);
}
