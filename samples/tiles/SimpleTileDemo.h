#pragma once
// Tile click demo: random dots, the picture "demo.png" under value-coloured oval tiles and an
// arrow-steered rectangle; presses grow tiles or paint discs, SPACE draws a new background.

#include "BaseEngine.h"
#include "tiles/MyTileManager.h"

class SimpleTileDemo : public BaseEngine
{
public:
	SimpleTileDemo() {}
	~SimpleTileDemo() override {}

	void drawBackground() override;
	int createObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void onKeyDown(int key) override;

	MyTileManager& getTileManager() { return m_tileManager; }

private:
	MyTileManager m_tileManager;
};
