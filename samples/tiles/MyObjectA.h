#pragma once
// The simple tile demo's green rectangle: constructed as centred, though its drawing and
// moving read the position as the top-left corner.

#include "tiles/TileDemoRectangle.h"

class MyObjectA : public TileDemoRectangle
{
public:
	explicit MyObjectA(BaseEngine* engine) : TileDemoRectangle(engine, false) {}
};
