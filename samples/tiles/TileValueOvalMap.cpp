#include "tiles/TileValueOvalMap.h"

#include "PixelSurface.h"
#include "tiles/TileValueColour.h"

namespace
{
	const int tileSize = 20;
	const int mapSize = 15;
}

TileValueOvalMap::TileValueOvalMap() : TileManager(tileSize, tileSize, mapSize, mapSize)
{
}

void TileValueOvalMap::drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY)
{
	(void)engine;
	surface->drawOval(screenX, screenY, screenX + m_tileWidth - 1, screenY + m_tileHeight - 1,
		TileValueColour::colourFor(getMapValue(column, row)));
}
