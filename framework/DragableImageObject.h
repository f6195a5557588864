#pragma once
// An image object (picture from the cache, at its own size, bottom-right pixel colour
// transparent) that follows the mouse while dragged.

#include <string>

#include "DragableBaseClassObject.h"
#include "ImageHandle.h"

class DragableImageObject : public DragableBaseClassObject
{
public:
	DragableImageObject(int x, int y, BaseEngine* engine, std::string url, bool topLeft = true, bool visible = true);

	void draw() override;
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;

	ImageHandle& getImage() { return m_image; }
	const ImageHandle& getImage() const { return m_image; }

protected:
	ImageHandle m_image;
};
