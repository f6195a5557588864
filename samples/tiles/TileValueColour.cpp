#include "tiles/TileValueColour.h"

unsigned int TileValueColour::colourFor(int value)
{
	const unsigned int v = static_cast<unsigned int>(value);
	return ((v & 0xF00) << 12) + ((v & 0x0F0) << 8) + ((v & 0x00F) << 4);
}
