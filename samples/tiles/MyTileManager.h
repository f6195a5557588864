#pragma once
// The simple tile demo's map of value-coloured ovals.

#include "tiles/TileValueOvalMap.h"

class MyTileManager : public TileValueOvalMap
{
};
