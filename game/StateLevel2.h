#pragma once
// The game's level 2: its asteroids and aliens, what follows when it is cleared, and its pause.

#include "StateLevel.h"

class StateLevel2 : public StateLevel
{
public:
	explicit StateLevel2(TV4Engine* engine);

	void createObjects() override;
	void levelComplete() override;
	void pause() override;
};
