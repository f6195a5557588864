#pragma once
// The bouncing-ball sample: a background showing off the drawing primitives, three balls over
// it and a line of text; a press moves ball B to the pointer, Escape ends.

#include "BaseEngine.h"
#include "TileManager.h"

class BouncingBall1;
class BouncingBall2;

class BouncingBallDemo : public BaseEngine
{
public:
	BouncingBallDemo();
	~BouncingBallDemo() override {}

	void drawBackground() override;
	int createObjects() override;
	void drawTextOverObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void onKeyDown(int key) override;

	BouncingBall1* getBallA() const { return m_ballA; }
	BouncingBall2* getBallB() const { return m_ballB; }
	BouncingBall2* getBallC() const { return m_ballC; }
	TileManager& getTileManager() { return m_tileManager; }

private:
	void drawShapes();
	void drawPictures();
	void drawTileMap();

	// Owned by the object list; replaced by every createObjects.
	BouncingBall1* m_ballA = nullptr;
	BouncingBall2* m_ballB = nullptr;
	BouncingBall2* m_ballC = nullptr;
	TileManager m_tileManager;
};
