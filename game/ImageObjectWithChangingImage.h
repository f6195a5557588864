#pragma once
// An image object whose picture can be swapped by file name (menu items that light up,
// ships that show their selection); it keeps its position, size and visibility.

#include <string>

#include "DisplayableObject.h"
#include "ImageHandle.h"

class ImageObjectWithChangingImage : public DisplayableObject
{
public:
	ImageObjectWithChangingImage(int x, int y, BaseEngine* engine, std::string url, bool topLeft, bool visible);
	~ImageObjectWithChangingImage() override = default;

	void setImage(std::string url);
	void draw() override;

	const ImageHandle& getImage() const { return m_image; }

private:
	static const int placeholderSize = 100;

	ImageHandle m_image;
};
