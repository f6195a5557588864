#pragma once
// The simple demo's 5 by 5 map: every tile a triangle in a colour picked afresh each time
// it is drawn. The values are never drawn; they only count how often a tile was bumped.

#include "TileManager.h"

class QelvarTileManager : public TileManager
{
public:
	QelvarTileManager();

	void drawTile(BaseEngine* engine, PixelSurface* surface, int column, int row, int screenX, int screenY) override;
};
