#pragma once
// The tile click demos read a tile's colour from its value: the three low hexadecimal
// digits become the high digits of red, green and blue (0xR0G0B0).

class TileValueColour
{
public:
	static unsigned int colourFor(int value);
};
