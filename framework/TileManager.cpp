#include "TileManager.h"

#include <cstdint>

#include "BaseEngine.h"
#include "PixelSurface.h"

namespace
{
const int greyLevels = 16;
const unsigned int greyStep = 0x101010;
} // namespace

TileManager::TileManager(int tileHeight, int tileWidth, int mapWidth, int mapHeight)
	: m_tileHeight(tileHeight), m_tileWidth(tileWidth)
{
	setMapSize(mapWidth, mapHeight);
}

TileManager::TileManager(int tileHeight, int tileWidth) : m_tileHeight(tileHeight), m_tileWidth(tileWidth)
{
}

unsigned int TileManager::defaultTileColour(int column, int row, int value)
{
	// Summed wide so that tile values grown by arbitrary amounts cannot overflow.
	const int64_t level = (static_cast<int64_t>(column) + row + value) % greyLevels;
	return static_cast<unsigned int>(level) * greyStep;
}

void TileManager::drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY)
{
	(void)engine;
	surface->drawRectangle(screenX, screenY, screenX + m_tileWidth - 1, screenY + m_tileHeight - 1,
		defaultTileColour(column, row, getMapValue(column, row)));
}

void TileManager::setMapSize(int width, int height)
{
	if (width < 0 || height < 0)
		width = height = 0;
	m_mapValues.assign(static_cast<size_t>(width) * height, 0);
	m_mapWidth = width;
	m_mapHeight = height;
}

bool TileManager::isValidTilePosition(int column, int row) const
{
	return column >= 0 && column < m_mapWidth && row >= 0 && row < m_mapHeight;
}

// Positions off the map read as 0 and are not written, so a caller's slip (a tile range
// reaching past the map, a neighbour of an edge tile) cannot touch memory outside it.
int TileManager::getMapValue(int column, int row) const
{
	if (!isValidTilePosition(column, row))
		return 0;
	return m_mapValues[static_cast<size_t>(column) + static_cast<size_t>(row) * m_mapWidth];
}

void TileManager::setMapValue(int column, int row, int value)
{
	if (!isValidTilePosition(column, row))
		return;
	m_mapValues[static_cast<size_t>(column) + static_cast<size_t>(row) * m_mapWidth] = value;
}

void TileManager::setTopLeftOnScreen(int left, int top)
{
	m_left = left;
	m_top = top;
}

int TileManager::getMapColumnForScreenX(int x) const
{
	return (x - m_left) / m_tileWidth;
}

int TileManager::getMapRowForScreenY(int y) const
{
	return (y - m_top) / m_tileHeight;
}

bool TileManager::isScreenPointOnMap(int x, int y) const
{
	return x >= m_left && x < m_left + m_tileWidth * m_mapWidth && y >= m_top && y < m_top + m_tileHeight * m_mapHeight;
}

void TileManager::drawAllTiles(BaseEngine* engine, PixelSurface* surface)
{
	surface->mySDLLockSurface();
	for (int column = 0; column < m_mapWidth; column++)
		for (int row = 0; row < m_mapHeight; row++)
			drawTile(engine, surface, column, row, m_left + column * m_tileWidth, m_top + row * m_tileHeight);
	surface->mySDLUnlockSurface();
}

void TileManager::drawTileRange(BaseEngine* engine, PixelSurface* surface, int startColumn, int startRow, int columns, int rows)
{
	surface->mySDLLockSurface();
	for (int i = 0; i < columns; i++)
		for (int j = 0; j < rows; j++)
			drawTile(engine, surface, startColumn + i, startRow + j, m_left + i * m_tileWidth, m_top + j * m_tileHeight);
	surface->mySDLUnlockSurface();
}

void TileManager::setAndRedrawMapValue(int column, int row, int value, BaseEngine* engine, PixelSurface* surface)
{
	setMapValue(column, row, value);
	surface->mySDLLockSurface();
	drawTile(engine, surface, column, row, m_left + column * m_tileWidth, m_top + row * m_tileHeight);
	surface->mySDLUnlockSurface();
}
