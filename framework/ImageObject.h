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

	// Gets the picture from the image cache (loaded when missing, not pinned) and takes its
	// size (the position is kept inside the window only by the provisional size above). A
	// picture that fails to load leaves a 0 x 0 object. Mouse routing is left as it is.
	ImageObject(int x, int y, BaseEngine* engine, std::string url, bool topLeft = true, bool visible = true);

	// When visible: the whole picture on the foreground at the drawn rectangle, pixels of the
	// bottom-right pixel's colour left out; the handle's own transparency colour is not used.
	void draw() override;
	// Called from draw() by each object shown as its whole picture (this one and
	// DragableImageObject): when object is visible, draws picture at its drawn rectangle
	// as draw() above does.
	static void drawWholePicture(const DisplayableObject& object, const ImageHandle& picture);

	// The object's own handle on the shared picture; a picture put in through it is drawn at
	// the object's old size until setSize().
	ImageHandle& getImage() { return m_image; }
	const ImageHandle& getImage() const { return m_image; }

protected:
	ImageHandle m_image;
};
