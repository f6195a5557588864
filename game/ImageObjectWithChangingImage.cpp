#include "ImageObjectWithChangingImage.h"

#include "BaseEngine.h"
#include "ImageManager.h"

namespace
{
	const bool loadIfMissing = true;
	const bool keepLoaded = true;
}

ImageObjectWithChangingImage::ImageObjectWithChangingImage(int x, int y, BaseEngine* engine, std::string url,
	bool topLeft, bool visible)
	: DisplayableObject(x, y, engine, placeholderSize, placeholderSize, topLeft)
{
	m_image = ImageManager::getInstance()->getImage(url, loadIfMissing, keepLoaded);
	m_width = m_image.getWidth();
	m_height = m_image.getHeight();
	m_drawOffsetX = topLeft ? 0 : -(m_width / 2);
	m_drawOffsetY = topLeft ? 0 : -(m_height / 2);
	setVisible(visible);
}

void ImageObjectWithChangingImage::setImage(std::string url)
{
	m_image = ImageManager::getInstance()->getImage(url, loadIfMissing, keepLoaded);
}

void ImageObjectWithChangingImage::draw()
{
	if (!isVisible())
		return;
	m_image.render(m_engine->getForegroundSurface(), 0, 0, getLeftEdge(), getTopEdge(), m_width, m_height);
}
