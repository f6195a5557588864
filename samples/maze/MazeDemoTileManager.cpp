#include "maze/MazeDemoTileManager.h"

#include "BaseEngine.h"
#include "PixelSurface.h"

namespace
{
	const int tileSize = 50;
}

MazeDemoTileManager::MazeDemoTileManager() : TileManager(tileSize, tileSize)
{
}

void MazeDemoTileManager::drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY)
{
	const int v = getMapValue(column, row);
	const int right = screenX + m_tileWidth - 1;
	const int bottom = screenY + m_tileHeight - 1;
	if (v == floorValue || v == wallValue)
		surface->drawRectangle(screenX, screenY, right, bottom, engine->getColour(v));
	else if (v >= firstMark && v <= lastMark)
	{
		surface->drawRectangle(screenX, screenY, right, bottom, engine->getColour(floorValue));
		const int inset = 2 * v;
		surface->drawOval(screenX + inset + 5, screenY + inset + 5, screenX + m_tileWidth - inset - 6,
			screenY + m_tileHeight - inset - 6, engine->getColour(v));
	}
}
