#include "tiles/VelkorsDemoA.h"

#include <SDL.h>

#include "tiles/TileClickRules.h"
#include "tiles/VelkorsObjectA.h"

namespace
{
	// The picture goes on last, over the tiles; a left press locks the background around the tile
	// map's own lock and asks for a redraw wherever it lands.
	const TileClickRules::Variant variant = { true, true, true };
}

void VelkorsDemoA::drawBackground()
{
	TileClickRules::drawBackground(this, m_tileManager, variant);
}

int VelkorsDemoA::createObjects()
{
	return TileClickRules::createObjects<VelkorsObjectA>(this);
}

void VelkorsDemoA::onMouseDown(int button, int x, int y)
{
	TileClickRules::press(this, m_tileManager, variant, button, x, y);
}

void VelkorsDemoA::onKeyDown(int key)
{
	if (key == SDLK_SPACE)
		redrawBackground();
}
