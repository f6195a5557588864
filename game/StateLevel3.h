#pragma once
// The game's level 3: its asteroids and aliens, what follows when it is cleared, and its pause.

#include "StateLevel.h"

class StateLevel3 : public StateLevel
{
public:
	explicit StateLevel3(TV4Engine* engine);

	void createObjects() override;
	void levelComplete() override;
	void pause() override;
};
