#include "tiles/SimpleTileDemo.h"

#include <SDL.h>

#include "tiles/MyObjectA.h"
#include "tiles/TileClickRules.h"

namespace
{
	// The tiles go on last, over the picture; a left press takes only the tile map's own lock and
	// asks for a redraw only when it lands on the map.
	const TileClickRules::Variant variant = { false, false, false };
}

void SimpleTileDemo::drawBackground()
{
	TileClickRules::drawBackground(this, m_tileManager, variant);
}

int SimpleTileDemo::createObjects()
{
	return TileClickRules::createObjects<MyObjectA>(this);
}

void SimpleTileDemo::onMouseDown(int button, int x, int y)
{
	TileClickRules::press(this, m_tileManager, variant, button, x, y);
}

void SimpleTileDemo::onKeyDown(int key)
{
	if (key == SDLK_SPACE)
		redrawBackground();
}
