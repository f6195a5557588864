#include "bouncing/BouncingImageObject.h"

#include "BaseEngine.h"

namespace
{
	const int shrinkFactor = 4;
	// -1: the shrunk picture's bottom-right pixel colour is transparent.
	const int bottomRightTransparent = -1;
}

BouncingImageObject::BouncingImageObject(BaseEngine* engine, const std::string& imageFile)
	: BouncingObject(engine), m_image(engine->loadImage(imageFile, false))
{
	m_image = m_image.makeShrunkCopy(shrinkFactor);
}

void BouncingImageObject::draw()
{
	if (!isVisible())
		return;
	m_image.renderWithMask(m_engine->getForegroundSurface(), 0, 0, m_x + m_drawOffsetX, m_y + m_drawOffsetY, m_width,
		m_height, bottomRightTransparent);
}
