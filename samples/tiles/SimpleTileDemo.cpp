#include "tiles/SimpleTileDemo.h"

#include <SDL.h>

#include "common/RandomDotBackground.h"
#include "tiles/MyObjectA.h"
#include "tiles/TileClickRules.h"

SimpleTileDemo::SimpleTileDemo()
{
}

// The tiles go on last, over the picture.
void SimpleTileDemo::drawBackground()
{
	RandomDotBackground::draw(this);
	drawPicture();
	fillTileValues();
	drawTiles();
}

void SimpleTileDemo::fillTileValues()
{
	TileClickRules::fillWithRandomValues(m_tileManager);
}

void SimpleTileDemo::drawTiles()
{
	m_tileManager.setTopLeftOnScreen(TileClickRules::mapLeft, TileClickRules::mapTop);
	m_tileManager.drawAllTiles(this, getBackgroundSurface());
}

void SimpleTileDemo::drawPicture()
{
	TileClickRules::drawPicture(this);
}

int SimpleTileDemo::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(1);
	setObjectAt(0, new MyObjectA(this));
	setAllObjectsVisible(true);
	return 0;
}

void SimpleTileDemo::onMouseDown(int button, int x, int y)
{
	TileClickRules::reportPress(x, y);
	if (button == SDL_BUTTON_LEFT)
	{
		if (m_tileManager.isScreenPointOnMap(x, y))
		{
			TileClickRules::growTileAt(this, m_tileManager, x, y);
			requestFullRedraw();
		}
	}
	else if (button == SDL_BUTTON_RIGHT)
	{
		TileClickRules::paintDisc(this, x, y);
		requestFullRedraw();
	}
}

// The background regeneration written out step by step.
void SimpleTileDemo::onKeyDown(int key)
{
	if (key != SDLK_SPACE)
		return;
	lockBackgroundForDrawing();
	drawBackground();
	unlockBackgroundForDrawing();
	requestFullRedraw();
}
