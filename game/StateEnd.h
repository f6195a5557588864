#pragma once
// The end of a game, won or lost: a star field with the winning or losing picture; "q"
// returns to the menu.

#include "State.h"

class StateEnd : public State
{
public:
	StateEnd(TV4Engine* engine, bool won);

	void drawBackground() override;
	void createObjects() override;
	void keyDown(int key) override;

	bool isWon() const { return m_won; }

private:
	bool m_won;
};
