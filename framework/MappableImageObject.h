#pragma once
// A dragable image drawn pixel by pixel through a coordinate mapping (not owned; null
// means the default cropped mapping, i.e. the picture unchanged).

#include <string>

#include "DragableImageObject.h"

class CoordinateMapping;

class MappableImageObject : public DragableImageObject
{
public:
	// As DragableImageObject's constructor; the mapping is kept, not owned (it must outlive
	// the object or be replaced first).
	MappableImageObject(CoordinateMapping* mapping, int x, int y, BaseEngine* engine, std::string url,
		bool topLeft = true, bool visible = true);

	// When visible: the drawn rectangle pixel by pixel through the mapping, clipped to the
	// window and the redraw area; the mapping alone decides which pixels are left out.
	void draw() override;

	// The picture's 24-bit colour at image pixel (x, y), the coordinates wrapping around it.
	int getPixelColour(int x, int y) const { return m_image.getPixelColour(x, y); }
	// ImageHandle::setTransparencyColour() on the shared picture; drawing through a mapping
	// does not look at it (CoordinateMappingRotateAndColour::setTransparentColour() does that).
	void setTransparencyColour(int colour) { m_image.setTransparencyColour(colour); }
	// Used from the next draw (request a redraw to show it); null means the picture unchanged.
	void setMapping(CoordinateMapping* mapping) { m_mapping = mapping; }
	CoordinateMapping* getMapping() const { return m_mapping; }

protected:
	CoordinateMapping* m_mapping;
};
