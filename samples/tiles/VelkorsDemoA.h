#pragma once
// Tile click demo: random dots, value-coloured oval tiles under the picture "demo.png" and an
// arrow-steered rectangle; presses grow tiles or paint discs, SPACE draws a new background.

#include "BaseEngine.h"
#include "tiles/VelkorsTileManager.h"

class VelkorsDemoA : public BaseEngine
{
public:
	VelkorsDemoA() {}
	~VelkorsDemoA() override {}

	void drawBackground() override;
	int createObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void onKeyDown(int key) override;

	VelkorsTileManager& getTileManager() { return m_tileManager; }

private:
	VelkorsTileManager m_tileManager;
};
