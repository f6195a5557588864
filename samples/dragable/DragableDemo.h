#pragma once
// The framework's dragable objects on random dots: three plain rectangles, a picture and
// a hidden picture object. Escape ends.

#include "BaseEngine.h"

class DragableDemo : public BaseEngine
{
public:
	DragableDemo() {}

	void drawBackground() override;
	int createObjects() override;
	void onKeyDown(int key) override;
};
