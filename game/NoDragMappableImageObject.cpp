#include "NoDragMappableImageObject.h"

NoDragMappableImageObject::NoDragMappableImageObject(CoordinateMapping* mapping, int x, int y, BaseEngine* engine,
	std::string url, bool topLeft, bool visible)
	: MappableImageObject(mapping, x, y, engine, std::move(url), topLeft, visible)
{
}

void NoDragMappableImageObject::onMouseMove(int x, int y)
{
	(void)x;
	(void)y;
}

void NoDragMappableImageObject::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
}

void NoDragMappableImageObject::onMouseUp(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
}
