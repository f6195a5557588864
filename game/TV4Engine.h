#pragma once
// The arcade game's engine: holds the current screen and the player's details that
// every screen reads and writes.

#include "BaseEngine.h"

class TV4Engine : public BaseEngine
{
public:
	TV4Engine() = default;
};
