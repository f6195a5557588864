#pragma once
// A bouncing box that shows a picture shrunk four times, cut to (or repeated over) the box.

#include <string>

#include "ImageHandle.h"
#include "bouncing/BouncingObject.h"

class BouncingImageObject : public BouncingObject
{
public:
	BouncingImageObject(BaseEngine* engine, const std::string& imageFile);
	~BouncingImageObject() override {}

	void draw() override;

	const ImageHandle& getImage() const { return m_image; }

private:
	ImageHandle m_image;
};
