#pragma once
// The tile click demos' green rectangle, moved by the arrow keys. Its drawing and moving read
// the position as the top-left corner, however the demo had it constructed.

#include "DisplayableObject.h"

class TileDemoRectangle : public DisplayableObject
{
public:
	// Created at (100, 200), 100 by 200; topLeft only sets the draw offsets.
	TileDemoRectangle(BaseEngine* engine, bool topLeft);
	~TileDemoRectangle() override {}

	void update(int time) override;
	void draw() override;
};
