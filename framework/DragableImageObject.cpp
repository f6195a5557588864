#include "DragableImageObject.h"

#include "BaseEngine.h"
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
	engine->setMouseEventsToObjects(true);
	setVisible(visible);
}

void DragableImageObject::draw()
{
	if (!isVisible())
		return;
	m_image.renderWithMask(m_engine->getForegroundSurface(), 0, 0, getLeftEdge(), getTopEdge(), m_width, m_height,
		ImageHandle::noColour);
}

void DragableImageObject::onMouseMove(int x, int y)
{
	dragMove(x, y);
}

void DragableImageObject::onMouseDown(int button, int x, int y)
{
	(void)button;
	dragStart(x, y);
}

void DragableImageObject::onMouseUp(int button, int x, int y)
{
	(void)button;
	dragEnd(x, y);
}
