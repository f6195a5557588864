#pragma once
// The tile demo's green rectangle, placed by its top-left corner.

#include "tiles/TileDemoRectangle.h"

class VelkorsObjectA : public TileDemoRectangle
{
public:
	explicit VelkorsObjectA(BaseEngine* engine) : TileDemoRectangle(engine, true) {}
};
