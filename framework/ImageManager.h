#pragma once
// The process-wide image cache: images by file name, shared while anyone draws them,
// optionally pinned for the program's life, plus resized and shrunk copies by derived keys.
// An image not pinned is freed with the last handle on it, and a later request loads the
// file again. Each load from a file prints a line; a failed one prints two more (three in
// all: the load, the file that would not load, the cache's own) and gives an empty result.

#include <map>
#include <memory>
#include <string>

#include "ImageHandle.h"
#include "RawImageData.h"

class ImageManager
{
public:
	// Created on first use.
	static ImageManager* getInstance();
	// Frees the cache and its pinned images (handles still held keep theirs); the program's
	// entry point calls it once at the end, after the engine has gone.
	static void deleteInstance();
	// Same as getInstance()->getImage(url, true, keepLoaded).
	static ImageHandle loadImage(const std::string& url, bool keepLoaded = false);

	// The image for the name, loading it when missing and allowed; null when there is none.
	// keepLoaded pins the image only when this call loads it: an image found in the cache is
	// returned as it is, pinned or not.
	std::shared_ptr<RawImageData> getImagePtrbyURL(const std::string& url, bool loadIfMissing = true, bool keepLoaded = false);
	// A handle on getImagePtrbyURL's result; an empty handle when there is no image.
	ImageHandle getImage(const std::string& url, bool loadIfMissing = true, bool keepLoaded = false);
	// Loads a new image from the file with the cache's crop margins; null (and a message) on failure.
	std::shared_ptr<RawImageData> loadRawImage(const std::string& url);

	// Shared copies keyed by size or factor and the source's name; empty for an empty source.
	ImageHandle getResizedImage(const ImageHandle& source, int width, int height);
	ImageHandle getShrunkImage(const ImageHandle& source, int factor);

	// The margins cut off every loaded image: 0, and never set otherwise.
	void clearCropMargins();

	// For tests and diagnostics: is the name present (alive) or pinned in the cache?
	bool isCached(const std::string& key) const;
	bool isPinned(const std::string& key) const;

private:
	ImageManager();
	~ImageManager();
	ImageManager(const ImageManager&) = delete;
	ImageManager& operator=(const ImageManager&) = delete;

	std::shared_ptr<RawImageData> findAlive(const std::string& key);

	static ImageManager* s_instance;

	std::map<std::string, std::weak_ptr<RawImageData>> m_weakImages;
	std::map<std::string, std::shared_ptr<RawImageData>> m_pinnedImages;
	int m_cropLeft = 0;
	int m_cropRight = 0;
	int m_cropTop = 0;
	int m_cropBottom = 0;
};
