#pragma once
// The main menu: grey stars, the bobbing title, New game / Load game / Info items that
// light up under the mouse, and the bonus-game button.

#include "State.h"

class ImageObject;
class ImageObjectWithChangingImage;

class StateStart : public State
{
public:
	explicit StateStart(TV4Engine* engine);

	void drawBackground() override;
	void createObjects() override;
	void mouseMoved(int x, int y) override;
	void mouseDown(int button, int x, int y) override;
	void onShutdown() override {}

	// Reads the saved game into the engine's player data; the saved level, -1 without a file.
	int loadGame();
	int getLoadedLevel() const { return m_loadedLevel; }

private:
	void openLoadedLevel(int level);

	ImageObjectWithChangingImage* m_newGameItem = nullptr;
	ImageObjectWithChangingImage* m_loadGameItem = nullptr;
	ImageObjectWithChangingImage* m_infoItem = nullptr;
	ImageObject* m_bonusGameButton = nullptr;
	int m_loadedLevel = 0;
};
