#pragma once
// An image object (picture from the cache, at its own size, bottom-right pixel colour
// transparent) that follows the mouse while dragged.

#include <string>

#include "DragableBaseClassObject.h"
#include "ImageHandle.h"

class DragableImageObject : public DragableBaseClassObject
{
public:
	// Gets the picture from the image cache (loaded when missing, not pinned) and takes its
	// size; the position is kept inside the window as for a 100 x 100 object, before that size
	// is known, and not again. A picture that fails to load leaves a 0 x 0 object that draws
	// nothing and is never hit. Turns on the engine's setMouseEventsToObjects() for every object;
	// the mouse hooks are then the drag steps, whatever the button, and a release redraws only
	// when a drag ends.
	DragableImageObject(int x, int y, BaseEngine* engine, std::string url, bool topLeft = true, bool visible = true);

	// When visible: the whole picture on the foreground at the drawn rectangle, pixels of the
	// bottom-right pixel's colour left out; the handle's own transparency colour is not used.
	void draw() override;

	// The object's own handle on the shared picture; a picture put in through it is drawn at
	// the object's old size until setSize().
	ImageHandle& getImage() { return m_image; }
	const ImageHandle& getImage() const { return m_image; }

protected:
	ImageHandle m_image;
};
