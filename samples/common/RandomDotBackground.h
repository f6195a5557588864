#pragma once
// The black background sprinkled with coloured dots that several samples share:
// each pixel independently has a small chance of one of six bright colours.

class BaseEngine;

class RandomDotBackground
{
public:
	// Fills the engine's background with black, then scatters the dots column by column.
	// Expects the background surface to be locked, as the engine's drawBackground hook has it.
	static void draw(BaseEngine* engine);

	// One random draw for one pixel: true (and the colour) when the pixel gets a dot.
	// Samples that sprinkle several surfaces at once call it once per surface and pixel.
	static bool pickDotColour(unsigned int& colour);
};
