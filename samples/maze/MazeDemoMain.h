#pragma once
// The maze sample: a fixed 15 by 11 maze and five walkers. SPACE starts, pauses and
// resumes; Escape ends. The map is printed when it is set up.

#include "BaseEngine.h"
#include "maze/MazeDemoTileManager.h"

class MazeDemoMain : public BaseEngine
{
public:
	enum State { waiting = 0, running = 1, paused = 2 };

	MazeDemoMain();
	~MazeDemoMain() override {}

	void drawBackground() override;
	int createObjects() override;
	void drawTextUnderObjects() override;
	void onKeyDown(int key) override;
	void onMouseDown(int button, int x, int y) override;

	MazeDemoTileManager& getTileManager() { return m_tileManager; }
	int getState() const { return m_state; }

private:
	void loadMap();
	void printMap();
	void advanceState();

	MazeDemoTileManager m_tileManager;
	int m_state = waiting;
};
