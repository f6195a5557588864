#include "MappableImageObject.h"

#include <utility>

#include "BaseEngine.h"

MappableImageObject::MappableImageObject(CoordinateMapping* mapping, int x, int y, BaseEngine* engine, std::string url,
	bool topLeft, bool visible)
	: DragableImageObject(x, y, engine, std::move(url), topLeft, visible), m_mapping(mapping)
{
}

void MappableImageObject::draw()
{
	if (!isVisible())
		return;
	m_image.renderThroughMapping(m_engine, m_engine->getForegroundSurface(), getLeftEdge(), getTopEdge(), m_width,
		m_height, m_mapping);
}
