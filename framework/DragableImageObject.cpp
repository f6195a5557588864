#include "DragableImageObject.h"

#include "ImageManager.h"
#include "ImageObject.h"

DragableImageObject::DragableImageObject(int x, int y, BaseEngine* engine, std::string url, bool topLeft, bool visible)
	: DragableBaseClassObject(x, y, engine, ImageObject::provisionalSize, ImageObject::provisionalSize, topLeft),
	  m_image(ImageManager::getInstance()->getImage(url, true, false))
{
	// A picture that failed to load leaves a 0 x 0 object that draws nothing and is never hit.
	m_width = m_image.getWidth();
	m_height = m_image.getHeight();
	m_drawOffsetX = topLeft ? 0 : -m_width / 2;
	m_drawOffsetY = topLeft ? 0 : -m_height / 2;
	dragWithMouse(MouseDrag::dragSteps);
	setVisible(visible);
}

void DragableImageObject::draw()
{
	ImageObject::drawWholePicture(*this, m_image);
}
