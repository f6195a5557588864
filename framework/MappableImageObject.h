#pragma once
// A dragable image drawn pixel by pixel through a coordinate mapping (not owned; null
// means the default cropped mapping, i.e. the picture unchanged).

#include <string>

#include "DragableImageObject.h"

class CoordinateMapping;

class MappableImageObject : public DragableImageObject
{
public:
	MappableImageObject(CoordinateMapping* mapping, int x, int y, BaseEngine* engine, std::string url,
		bool topLeft = true, bool visible = true);

	void draw() override;

	int getPixelColour(int x, int y) const { return m_image.getPixelColour(x, y); }
	void setTransparencyColour(int colour) { m_image.setTransparencyColour(colour); }
	void setMapping(CoordinateMapping* mapping) { m_mapping = mapping; }
	CoordinateMapping* getMapping() const { return m_mapping; }

protected:
	CoordinateMapping* m_mapping;
};
