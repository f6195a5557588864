#include "simple/QelvarTileManager.h"

#include <cstdlib>

#include "PixelSurface.h"

namespace
{
	const int tileSize = 75;
	const int mapSize = 5;
	// The last entry carries a stray top byte; the pixel write replaces it with opaque alpha.
	const unsigned int tileColours[] = { 0x7A2ACB, 0x0423FC, 0xF67458, 0x95E5E1, 0xB1D209, 0x0A924BCF };
	const int tileColourCount = static_cast<int>(sizeof(tileColours) / sizeof(tileColours[0]));
}

QelvarTileManager::QelvarTileManager() : TileManager(tileSize, tileSize, mapSize, mapSize)
{
}

void QelvarTileManager::drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY)
{
	(void)engine;
	(void)column;
	(void)row;
	const unsigned int colour = tileColours[rand() % tileColourCount];
	// An upward triangle centred on the tile's top-left corner.
	const int halfWidth = m_tileWidth / 2;
	const int halfHeight = m_tileHeight / 2;
	surface->drawTriangle(screenX - halfWidth + 1, screenY + halfHeight - 1, screenX + 1, screenY - halfHeight,
		screenX + halfWidth - 1, screenY + halfHeight - 1, colour);
}
