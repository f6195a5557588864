#pragma once
// Tile values that samples keep adding to (random amounts on clicks, one per update under
// a moving ball) would pass the int range in time; the sum wraps back instead.

class TileValueSum
{
public:
	// value + amount for non-negative inputs; a sum past the int range drops 2^31, which
	// keeps every low bit (the tile drawings read only low bits) and stays non-negative.
	static int add(int value, int amount);
};
