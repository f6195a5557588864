#pragma once
// The tile demo's map of value-coloured ovals.

#include "tiles/TileValueOvalMap.h"

class VelkorsTileManager : public TileValueOvalMap
{
};
