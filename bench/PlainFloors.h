#pragma once
// The floors the benchmarks compare with: the same work done with plain SDL calls or a
// plain loop, nothing of the framework in between.

#include <SDL.h>

class BaseEngine;
class FilterPoints;

class PlainFloors
{
public:
	// The presentation every frame must make: the background copied onto the foreground
	// with one block copy (as the engine copies), the whole texture updated, copied and presented.
	static void presentFrame(BaseEngine& engine);
	// A bounds-checked 32-bit store for every pixel of a side x side block, column by column.
	static void storeBlock(SDL_Surface* surface, int side, Uint32 colour);
	// The same block with each point first offered to the chain (one virtual call per filter,
	// point and colour by reference), stored where the chain accepts it: the bare cost of
	// the calls a filtered write makes.
	static void storeBlockThroughCalls(SDL_Surface* surface, int side, Uint32 colour, FilterPoints& chain);
	// A copy of the picture with every pixel opaque, drawn by SDL with this colour (0xRRGGBB)
	// left out and no blending: what a colour-keyed per-pixel draw does. The caller frees it.
	static SDL_Surface* colourKeyedCopy(SDL_Surface* picture, Uint32 keyColour);
	// Pixels of the surface whose colour (0xRRGGBB) differs from keyColour.
	static int pixelsOtherThan(SDL_Surface* picture, Uint32 keyColour);
};
