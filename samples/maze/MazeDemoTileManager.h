#pragma once
// The maze's map of 50-pixel tiles: 0 floor, 1 wall, 2 to 8 marked floor shown as a dot
// that is smaller the higher the mark.

#include "TileManager.h"

class MazeDemoTileManager : public TileManager
{
public:
	static const int floorValue = 0;
	static const int wallValue = 1;
	static const int firstMark = 2;
	static const int lastMark = 8;

	MazeDemoTileManager();

	void drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY) override;
};
