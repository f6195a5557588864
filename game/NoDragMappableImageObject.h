#pragma once
// A picture drawn through a coordinate mapping that ignores the mouse, so the engine's
// mouse forwarding never drags it (the levels' turning asteroids).

#include <string>

#include "MappableImageObject.h"

class NoDragMappableImageObject : public MappableImageObject
{
public:
	NoDragMappableImageObject(CoordinateMapping* mapping, int x, int y, BaseEngine* engine, std::string url,
		bool topLeft, bool visible);

	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;
};
