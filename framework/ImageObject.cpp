#include "ImageObject.h"

#include "BaseEngine.h"
#include "ImageManager.h"

ImageObject::ImageObject(int x, int y, BaseEngine* engine, std::string url, bool topLeft, bool visible)
	: DisplayableObject(x, y, engine, provisionalSize, provisionalSize, topLeft),
	  m_image(ImageManager::getInstance()->getImage(url, true, false))
{
	// A picture that failed to load leaves a 0 x 0 object that draws nothing.
	m_width = m_image.getWidth();
	m_height = m_image.getHeight();
	m_drawOffsetX = topLeft ? 0 : -m_width / 2;
	m_drawOffsetY = topLeft ? 0 : -m_height / 2;
	setVisible(visible);
}

void ImageObject::draw()
{
	drawWholePicture(*this, m_image);
}

void ImageObject::drawWholePicture(const DisplayableObject& object, const ImageHandle& picture)
{
	if (!object.isVisible())
		return;
	picture.renderWithMask(object.getEngine()->getForegroundSurface(), 0, 0, object.getLeftEdge(), object.getTopEdge(),
		object.getDrawWidth(), object.getDrawHeight(), ImageHandle::noColour);
}
