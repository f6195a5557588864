#include "ImageManager.h"

#include <utility>

#include "Diagnostics.h"

ImageManager* ImageManager::s_instance = nullptr;

namespace
{
std::string resizedKey(int width, int height, const std::string& url)
{
	return "#R" + std::to_string(width) + "#" + std::to_string(height) + "#" + url;
}

std::string shrunkKey(int factor, const std::string& url)
{
	return "#S" + std::to_string(factor) + "#" + url;
}
} // namespace

ImageManager::ImageManager()
{
	clearCropMargins();
}

ImageManager::~ImageManager()
{
	m_pinnedImages.clear();
	m_weakImages.clear();
}

ImageManager* ImageManager::getInstance()
{
	if (!s_instance)
		s_instance = new ImageManager();
	return s_instance;
}

void ImageManager::deleteInstance()
{
	delete s_instance;
	s_instance = nullptr;
}

ImageHandle ImageManager::loadImage(const std::string& url, bool keepLoaded)
{
	return getInstance()->getImage(url, true, keepLoaded);
}

void ImageManager::clearCropMargins()
{
	m_cropLeft = 0;
	m_cropRight = 0;
	m_cropTop = 0;
	m_cropBottom = 0;
}

std::shared_ptr<RawImageData> ImageManager::findAlive(const std::string& key)
{
	auto entry = m_weakImages.find(key);
	if (entry == m_weakImages.end())
		return nullptr;
	std::shared_ptr<RawImageData> image = entry->second.lock();
	if (!image)
		m_weakImages.erase(entry);
	return image;
}

std::shared_ptr<RawImageData> ImageManager::getImagePtrbyURL(const std::string& url, bool loadIfMissing, bool keepLoaded)
{
	// A cached image is returned as it is; asking again with keepLoaded does not pin it.
	if (std::shared_ptr<RawImageData> cached = findAlive(url))
		return cached;
	if (!loadIfMissing)
		return nullptr;

	diagnosticPrintf("\t\t+++ Load image: %s\n", url.c_str());
	std::shared_ptr<RawImageData> image = loadRawImage(url);
	if (!image)
	{
		// Nothing is remembered, so the next request tries the file again.
		diagnosticPrintf("ImageManager::getImagePtrbyURL() : Failed to load image %s\n", url.c_str());
		return nullptr;
	}
	m_weakImages[url] = image;
	if (keepLoaded)
		m_pinnedImages[url] = image;
	return image;
}

ImageHandle ImageManager::getImage(const std::string& url, bool loadIfMissing, bool keepLoaded)
{
	std::shared_ptr<RawImageData> image = getImagePtrbyURL(url, loadIfMissing, keepLoaded);
	return image ? ImageHandle(std::move(image)) : ImageHandle();
}

std::shared_ptr<RawImageData> ImageManager::loadRawImage(const std::string& url)
{
	auto image = std::make_shared<RawImageData>(url);
	if (!image->loadImage(url, 0, m_cropTop, m_cropBottom, m_cropLeft, m_cropRight))
	{
		diagnosticPrintf("Failed to load image %s\n", url.c_str());
		return nullptr;
	}
	return image;
}

ImageHandle ImageManager::getResizedImage(const ImageHandle& source, int width, int height)
{
	if (!source.isLoaded() || width <= 0 || height <= 0)
		return ImageHandle();
	// A copy of an unnamed image (itself a copy) has no key that names its source: never share it.
	if (source.getURL().empty())
		return ImageHandle(std::make_shared<RawImageData>(width, height, *source.getImageData()));
	const std::string key = resizedKey(width, height, source.getURL());
	if (std::shared_ptr<RawImageData> cached = findAlive(key))
		return ImageHandle(std::move(cached));
	auto copy = std::make_shared<RawImageData>(width, height, *source.getImageData());
	m_weakImages[key] = copy;
	return ImageHandle(std::move(copy));
}

ImageHandle ImageManager::getShrunkImage(const ImageHandle& source, int factor)
{
	if (!source.isLoaded() || factor < 1)
		return ImageHandle();
	if (source.getURL().empty())
		return ImageHandle(std::make_shared<RawImageData>(*source.getImageData(), factor));
	const std::string key = shrunkKey(factor, source.getURL());
	if (std::shared_ptr<RawImageData> cached = findAlive(key))
		return ImageHandle(std::move(cached));
	auto copy = std::make_shared<RawImageData>(*source.getImageData(), factor);
	m_weakImages[key] = copy;
	return ImageHandle(std::move(copy));
}

bool ImageManager::isCached(const std::string& key) const
{
	auto entry = m_weakImages.find(key);
	return entry != m_weakImages.end() && !entry->second.expired();
}

bool ImageManager::isPinned(const std::string& key) const
{
	return m_pinnedImages.count(key) != 0;
}
