#pragma once
// The tile demo's green rectangle, placed by its top-left corner and moved by the arrow keys.

#include "DisplayableObject.h"

class VelkorsObjectA : public DisplayableObject
{
public:
	explicit VelkorsObjectA(BaseEngine* engine);
	~VelkorsObjectA() override {}

	void update(int time) override;
	void draw() override;
};
