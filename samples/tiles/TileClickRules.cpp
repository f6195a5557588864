#include "tiles/TileClickRules.h"

#include <SDL.h>

#include <cstdlib>

#include "Diagnostics.h"
#include "ImageManager.h"
#include "TileManager.h"
#include "common/RandomDotBackground.h"
#include "common/TileValueSum.h"

namespace
{
	const int mapLeft = 50;
	const int mapTop = 50;
	const int pictureLeft = 10;
	const int pictureTop = 10;
	const char* const pictureFile = "demo.png";
	const int discRadius = 10;
	const unsigned int discColour = 0x0000FF;

	// Column by column: the order decides which tile each rand() value lands on.
	void fillWithRandomValues(TileManager& tiles)
	{
		for (int column = 0; column < tiles.getMapWidth(); column++)
			for (int row = 0; row < tiles.getMapHeight(); row++)
				tiles.setMapValue(column, row, rand());
	}

	void drawTiles(BaseEngine* engine, TileManager& tiles)
	{
		tiles.setTopLeftOnScreen(mapLeft, mapTop);
		tiles.drawAllTiles(engine, engine->getBackgroundSurface());
	}

	void drawPicture(BaseEngine* engine)
	{
		ImageHandle picture = ImageManager::loadImage(pictureFile, true);
		picture.render(engine->getBackgroundSurface(), 0, 0, pictureLeft, pictureTop, picture.getWidth(), picture.getHeight());
	}

	void growTileAt(BaseEngine* engine, TileManager& tiles, int x, int y)
	{
		const int column = tiles.getMapColumnForScreenX(x);
		const int row = tiles.getMapRowForScreenY(y);
		tiles.setAndRedrawMapValue(column, row, TileValueSum::add(tiles.getMapValue(column, row), rand()), engine,
			engine->getBackgroundSurface());
	}

	void pressLeft(BaseEngine* engine, TileManager& tiles, const TileClickRules::Variant& variant, int x, int y)
	{
		const bool onMap = tiles.isScreenPointOnMap(x, y);
		if (onMap)
		{
			if (variant.lockAroundTileChange)
				engine->lockBackgroundForDrawing();
			growTileAt(engine, tiles, x, y);
			if (variant.lockAroundTileChange)
				engine->unlockBackgroundForDrawing();
		}
		if (onMap || variant.redrawAfterPressOffMap)
			engine->requestFullRedraw();
	}

	// Drawn with the background locked.
	void paintDisc(BaseEngine* engine, int x, int y)
	{
		engine->lockBackgroundForDrawing();
		engine->drawBackgroundOval(x - discRadius, y - discRadius, x + discRadius, y + discRadius, discColour);
		engine->unlockBackgroundForDrawing();
	}
}

void TileClickRules::drawBackground(BaseEngine* engine, TileManager& tiles, const Variant& variant)
{
	RandomDotBackground::draw(engine);
	if (!variant.pictureOverTiles)
		drawPicture(engine);
	fillWithRandomValues(tiles);
	drawTiles(engine, tiles);
	if (variant.pictureOverTiles)
		drawPicture(engine);
}

void TileClickRules::press(BaseEngine* engine, TileManager& tiles, const Variant& variant, int button, int x, int y)
{
	diagnosticPrintf("Mouse clicked at %d %d\n", x, y);
	if (button == SDL_BUTTON_LEFT)
		pressLeft(engine, tiles, variant, x, y);
	else if (button == SDL_BUTTON_RIGHT)
	{
		paintDisc(engine, x, y);
		engine->requestFullRedraw();
	}
}
