#pragma once
// The game's level 1: its asteroids and aliens, what follows when it is cleared, and its pause.

#include "StateLevel.h"

class StateLevel1 : public StateLevel
{
public:
	explicit StateLevel1(TV4Engine* engine);

	void createObjects() override;
	void levelComplete() override;
	void pause() override;
};
