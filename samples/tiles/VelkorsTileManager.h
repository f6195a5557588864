#pragma once
// A 15 by 15 map of 20-pixel tiles, each drawn as a filled oval in the colour its value gives.

#include "TileManager.h"

class VelkorsTileManager : public TileManager
{
public:
	VelkorsTileManager();

	void drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY) override;
};
