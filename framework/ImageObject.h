#pragma once
// An object drawn as an image from the cache, at the picture's own size, with the
// picture's bottom-right pixel colour transparent.

#include <string>

#include "DisplayableObject.h"
#include "ImageHandle.h"

class ImageObject : public DisplayableObject
{
public:
	// Image objects are clamped into the window as this size, before the picture's size is known.
	static const int provisionalSize = 100;

	ImageObject(int x, int y, BaseEngine* engine, std::string url, bool topLeft = true, bool visible = true);

	void draw() override;

	ImageHandle& getImage() { return m_image; }
	const ImageHandle& getImage() const { return m_image; }

protected:
	ImageHandle m_image;
};
