#pragma once
// A rectangular map of integer tile values with a tile size and the screen position of
// the map's top-left corner, drawn tile by tile. Programs override drawTile.

#include <vector>

class BaseEngine;
class PixelSurface;

class TileManager
{
public:
	TileManager(int tileHeight, int tileWidth, int mapWidth, int mapHeight);
	TileManager(int tileHeight, int tileWidth);
	virtual ~TileManager() {}

	// Default: a filled square in one of sixteen greys chosen by column, row and value.
	virtual void drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY);

	// Replaces the map with width x height values, all 0.
	void setMapSize(int width, int height);
	int getMapWidth() const { return m_mapWidth; }
	int getMapHeight() const { return m_mapHeight; }
	// A position off the map reads as 0; writing there does nothing.
	int getMapValue(int column, int row) const;
	void setMapValue(int column, int row, int value);
	bool isValidTilePosition(int column, int row) const;

	int getTileWidth() const { return m_tileWidth; }
	int getTileHeight() const { return m_tileHeight; }
	int getLeft() const { return m_left; }
	int getTop() const { return m_top; }
	void setTopLeftOnScreen(int left, int top);

	int getMapColumnForScreenX(int x) const;
	int getMapRowForScreenY(int y) const;
	bool isScreenPointOnMap(int x, int y) const;

	void drawAllTiles(BaseEngine* engine, PixelSurface* surface);
	// Draws the block of tiles starting at (startColumn, startRow) with its first tile at the map's top-left.
	void drawTileRange(BaseEngine* engine, PixelSurface* surface, int startColumn, int startRow, int columns, int rows);
	// Sets the value and redraws that one tile on the surface; the caller requests the screen redraw.
	void setAndRedrawMapValue(int column, int row, int value, BaseEngine* engine, PixelSurface* surface);

protected:
	static unsigned int defaultTileColour(int column, int row, int value);

	std::vector<int> m_mapValues;
	int m_mapWidth = 0;
	int m_mapHeight = 0;
	int m_left = 0;
	int m_top = 0;
	int m_tileHeight;
	int m_tileWidth;
};
