#include "MovingObjectImage.h"

#include "BaseEngine.h"
#include "ImageManager.h"

namespace
{
const int maskFromBottomRightPixel = -1;
} // namespace

MovingObjectImage::MovingObjectImage(BaseEngine* engine, std::string url, int x, int y, int w, int h)
	: MovingObject(engine, x, y, w, h), m_image(ImageManager::getInstance()->getImage(url, true, false))
{
	// Sprites start still; the subclasses that move set their own speed and exact position.
	m_speedX = 0;
	m_speedY = 0;
	m_positionX = 0;
	m_positionY = 0;
}

void MovingObjectImage::draw()
{
	if (!isVisible())
		return;
	m_image.renderWithMask(m_engine->getForegroundSurface(), 0, 0, getLeftEdge(), getTopEdge(), m_image.getWidth(),
		m_image.getHeight(), maskFromBottomRightPixel);
}

void MovingObjectImage::update(int time)
{
	(void)time;
}

void MovingObjectImage::setImage(const std::string& url, bool keepLoaded)
{
	m_image = ImageManager::getInstance()->getImage(url, true, keepLoaded);
}
