#pragma once
// The simple tile demo's green rectangle, moved by the arrow keys. It is constructed as
// centred, but its drawing and moving read the position as the top-left corner.

#include "DisplayableObject.h"

class MyObjectA : public DisplayableObject
{
public:
	explicit MyObjectA(BaseEngine* engine);
	~MyObjectA() override {}

	void update(int time) override;
	void draw() override;
};
