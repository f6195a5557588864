#pragma once
// The tile click demos' map: 15 by 15 tiles of 20 pixels, each drawn as a filled oval in the
// colour its value gives.

#include "TileManager.h"

class TileValueOvalMap : public TileManager
{
public:
	TileValueOvalMap();

	void drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY) override;
};
