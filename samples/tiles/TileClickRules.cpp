#include "tiles/TileClickRules.h"

#include <cstdlib>

#include "BaseEngine.h"
#include "Diagnostics.h"
#include "ImageManager.h"
#include "TileManager.h"
#include "common/TileValueSum.h"

namespace
{
	const int discRadius = 10;
	const unsigned int discColour = 0x0000FF;
}

const char* const TileClickRules::pictureFile = "demo.png";

void TileClickRules::fillWithRandomValues(TileManager& tiles)
{
	for (int column = 0; column < tiles.getMapWidth(); column++)
		for (int row = 0; row < tiles.getMapHeight(); row++)
			tiles.setMapValue(column, row, rand());
}

void TileClickRules::drawPicture(BaseEngine* engine)
{
	ImageHandle picture = ImageManager::loadImage(pictureFile, true);
	picture.render(engine->getBackgroundSurface(), 0, 0, pictureLeft, pictureTop, picture.getWidth(), picture.getHeight());
}

void TileClickRules::reportPress(int x, int y)
{
	diagnosticPrintf("Mouse clicked at %d %d\n", x, y);
}

void TileClickRules::growTileAt(BaseEngine* engine, TileManager& tiles, int x, int y)
{
	const int column = tiles.getMapColumnForScreenX(x);
	const int row = tiles.getMapRowForScreenY(y);
	tiles.setAndRedrawMapValue(column, row, TileValueSum::add(tiles.getMapValue(column, row), rand()), engine,
		engine->getBackgroundSurface());
}

void TileClickRules::paintDisc(BaseEngine* engine, int x, int y)
{
	engine->lockBackgroundForDrawing();
	engine->drawBackgroundOval(x - discRadius, y - discRadius, x + discRadius, y + discRadius, discColour);
	engine->unlockBackgroundForDrawing();
}
