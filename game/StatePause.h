#pragma once
// Shown over a paused level: the game clock stands still; "p" resumes the level, "s"
// saves the game, "q" gives the game up and returns to the menu.

#include "State.h"

class StateLevel;

class StatePause : public State
{
public:
	StatePause(TV4Engine* engine, StateLevel* level);

	void keyDown(int key) override;
	// Closing the window while paused: the held level goes too.
	void onShutdown() override;

	// Writes the saved game from the engine's player data; true when the file was really written.
	bool saveGame();
	StateLevel* getPausedLevel() const { return m_level; }

private:
	void resume();
	void save();
	void giveUp();
	void removeLevelFilters();
	void setListEntryVisible(int entry, bool visible);

	StateLevel* m_level;
};
