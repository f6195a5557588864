#pragma once
// The tile click demos' hooks, written once: each demo's own hooks call these with the variant
// that names the points in which it differs from the other.

#include "BaseEngine.h"

class TileManager;

class TileClickRules
{
public:
	// The points in which the demos differ.
	struct Variant
	{
		// The picture drawn after the tiles, over them, rather than before, under them.
		bool pictureOverTiles;
		// The engine's own background lock around a left press's tile change (the tile map's
		// lock nests inside it); without it only the tile map's own lock.
		bool lockAroundTileChange;
		// A full redraw after a left press off the map too, although nothing on screen changes.
		bool redrawAfterPressOffMap;
	};

	// The drawBackground hook: black with random dots, then the picture and the map with a
	// fresh rand() value in every tile, in the variant's order.
	static void drawBackground(BaseEngine* engine, TileManager& tiles, const Variant& variant);
	// The onMouseDown hook: prints the position for every button; left on the map adds a random
	// amount to that tile's value and redraws the tile, right paints a blue disc about the point
	// onto the background. Each then asks for a full redraw (left off the map as the variant says).
	static void press(BaseEngine* engine, TileManager& tiles, const Variant& variant, int button, int x, int y);

	// The createObjects hook: the demo's rectangle alone in the list, created once the old
	// objects are gone, and every object made visible.
	template <class Rectangle>
	static int createObjects(BaseEngine* engine)
	{
		engine->markObjectsChanged();
		engine->removeAllObjects(true);
		engine->resetObjectSlots(1);
		engine->setObjectAt(0, new Rectangle(engine));
		engine->setAllObjectsVisible(true);
		return 0;
	}
};
