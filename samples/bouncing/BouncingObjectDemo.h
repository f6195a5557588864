#pragma once
// One yellow box bouncing over random dots, steered by the arrow keys; texts under and
// over it; SPACE pauses, Escape ends, a mouse press draws new dots.

#include "BaseEngine.h"

class BouncingObjectDemo : public BaseEngine
{
public:
	BouncingObjectDemo() {}

	void drawBackground() override;
	int createObjects() override;
	void drawTextUnderObjects() override;
	void drawTextOverObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void onKeyDown(int key) override;
};
