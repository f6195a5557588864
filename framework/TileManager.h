#pragma once
// A rectangular map of integer tile values with a tile size and the screen position of
// the map's top-left corner, drawn tile by tile. Programs override drawTile.
//
// Mind the argument orders: the constructors take the tile's height before its width, but
// the map's width (columns) before its height (rows); map positions are (column, row);
// drawTile() takes the engine and surface first, setAndRedrawMapValue() last.
// "Screen" positions are those of the surface the tiles are drawn on, which are virtual
// coordinates when a filter zooms or scrolls it: the positions the mouse hooks receive.

#include <vector>

class BaseEngine;
class PixelSurface;

class TileManager
{
public:
	// Tile size in pixels and a map of mapWidth x mapHeight values, all 0, drawn from (0, 0).
	// Without a map size the map is empty (0 x 0) until setMapSize().
	TileManager(int tileHeight, int tileWidth, int mapWidth, int mapHeight);
	TileManager(int tileHeight, int tileWidth);
	virtual ~TileManager() {}

	// Draws the tile (column, row) with its top-left at (screenX, screenY) on the surface,
	// which the caller has locked (the drawing calls below lock it). Default: a filled square
	// in one of sixteen greys chosen by column, row and value.
	virtual void drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY);

	// Replaces the map with width x height values, all 0 (a negative size gives an empty map).
	// Nothing is drawn: draw the tiles again to show it.
	void setMapSize(int width, int height);
	// Columns and rows of the map.
	int getMapWidth() const { return m_mapWidth; }
	int getMapHeight() const { return m_mapHeight; }
	// A position off the map reads as 0; writing there does nothing. Setting a value draws
	// nothing (setAndRedrawMapValue() does).
	int getMapValue(int column, int row) const;
	void setMapValue(int column, int row, int value);
	// Whether (column, row) lies on the map.
	bool isValidTilePosition(int column, int row) const;

	// Tile size in pixels, and the position of the map's top-left corner.
	int getTileWidth() const { return m_tileWidth; }
	int getTileHeight() const { return m_tileHeight; }
	int getLeft() const { return m_left; }
	int getTop() const { return m_top; }
	// Moves the map for later drawing and position tests; tiles already drawn stay where they are.
	void setTopLeftOnScreen(int left, int top);

	// The tile under a position; test isScreenPointOnMap() first, as positions just left of
	// or above the map also give 0.
	int getMapColumnForScreenX(int x) const;
	int getMapRowForScreenY(int y) const;
	// Whether the position lies on a tile: left and top edges included, right and bottom excluded.
	bool isScreenPointOnMap(int x, int y) const;

	// Draws every tile on the surface (usually the background, from drawBackground()), column
	// by column; the screen shows it once a redraw is requested.
	void drawAllTiles(BaseEngine* engine, PixelSurface* surface);
	// Draws the block of tiles starting at (startColumn, startRow) with its first tile at the map's top-left.
	// Positions off the map are drawn too, their value reading as 0.
	void drawTileRange(BaseEngine* engine, PixelSurface* surface, int startColumn, int startRow, int columns, int rows);
	// Sets the value and redraws that one tile on the surface; the caller requests the screen redraw.
	void setAndRedrawMapValue(int column, int row, int value, BaseEngine* engine, PixelSurface* surface);

protected:
	// The default drawTile()'s colour: ((column + row + value) % 16) x 0x101010, one of sixteen
	// greys while the sum is not negative.
	static unsigned int defaultTileColour(int column, int row, int value);

	std::vector<int> m_mapValues;
	int m_mapWidth = 0;
	int m_mapHeight = 0;
	int m_left = 0;
	int m_top = 0;
	int m_tileHeight;
	int m_tileWidth;
};
