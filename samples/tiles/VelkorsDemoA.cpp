#include "tiles/VelkorsDemoA.h"

#include <SDL.h>

#include "common/RandomDotBackground.h"
#include "tiles/TileClickRules.h"
#include "tiles/VelkorsObjectA.h"

VelkorsDemoA::VelkorsDemoA()
{
}

// The picture goes on last, over the tiles.
void VelkorsDemoA::drawBackground()
{
	RandomDotBackground::draw(this);
	fillTileValues();
	drawTiles();
	drawPicture();
}

void VelkorsDemoA::fillTileValues()
{
	TileClickRules::fillWithRandomValues(m_tileManager);
}

void VelkorsDemoA::drawTiles()
{
	m_tileManager.setTopLeftOnScreen(TileClickRules::mapLeft, TileClickRules::mapTop);
	m_tileManager.drawAllTiles(this, getBackgroundSurface());
}

void VelkorsDemoA::drawPicture()
{
	TileClickRules::drawPicture(this);
}

int VelkorsDemoA::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(1);
	setObjectAt(0, new VelkorsObjectA(this));
	setAllObjectsVisible(true);
	return 0;
}

void VelkorsDemoA::onMouseDown(int button, int x, int y)
{
	TileClickRules::reportPress(x, y);
	if (button == SDL_BUTTON_LEFT)
	{
		if (m_tileManager.isScreenPointOnMap(x, y))
		{
			// The tile map takes its own lock too; it nests inside this one.
			lockBackgroundForDrawing();
			TileClickRules::growTileAt(this, m_tileManager, x, y);
			unlockBackgroundForDrawing();
		}
		requestFullRedraw();
	}
	else if (button == SDL_BUTTON_RIGHT)
	{
		TileClickRules::paintDisc(this, x, y);
		requestFullRedraw();
	}
}

void VelkorsDemoA::onKeyDown(int key)
{
	if (key == SDLK_SPACE)
		redrawBackground();
}
