#pragma once
// What the two tile click demos share: where the map and the picture go, how a left press
// grows a tile's value, and the blue disc a right press paints onto the background.

class BaseEngine;
class TileManager;

class TileClickRules
{
public:
	static const int mapLeft = 50;
	static const int mapTop = 50;
	static const int pictureLeft = 10;
	static const int pictureTop = 10;
	static const char* const pictureFile;

	// Every tile a fresh rand() value, column by column.
	static void fillWithRandomValues(TileManager& tiles);
	// Draws the picture onto the engine's background surface.
	static void drawPicture(BaseEngine* engine);
	// Prints the press position, as both demos do for every button.
	static void reportPress(int x, int y);
	// Adds a random amount to the tile at the point (on the map) and redraws that tile.
	static void growTileAt(BaseEngine* engine, TileManager& tiles, int x, int y);
	// A filled blue disc centred on the point, drawn with the background locked.
	static void paintDisc(BaseEngine* engine, int x, int y);
};
