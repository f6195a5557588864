#pragma once
// The sparse grey star field behind the menu, details and end screens.

class BaseEngine;

class GreyStarField
{
public:
	// About one background pixel in a thousand becomes a grey star; random numbers are drawn
	// column by column. The caller holds the background lock.
	static void draw(BaseEngine* engine);

private:
	static const unsigned int starColour = 0x989898;
	static const int starChance = 1000;
};
