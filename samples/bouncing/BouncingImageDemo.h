#pragma once
// A box showing "demo.png" shrunk, bouncing over random dots with "images/cards.png" in the
// background's corner; arrows steer it, SPACE pauses, Escape ends, a press draws new dots.

#include "BaseEngine.h"

class BouncingImageDemo : public BaseEngine
{
public:
	BouncingImageDemo() {}

	void drawBackground() override;
	int createObjects() override;
	void drawTextUnderObjects() override;
	void drawTextOverObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void onKeyDown(int key) override;
};
