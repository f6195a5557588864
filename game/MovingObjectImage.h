#pragma once
// A moving object drawn as a picture at the picture's own size, with the colour of its
// bottom-right pixel transparent: the base of the game's sprites. It does not move by
// itself; subclasses that move use the speed, exact position and counter fields.

#include <string>

#include "ImageHandle.h"
#include "MovingObject.h"

class MovingObjectImage : public MovingObject
{
public:
	// w and h are the object's size for the window clamp, centre and hit tests; the
	// picture is drawn at its own size whatever they say.
	MovingObjectImage(BaseEngine* engine, std::string url, int x, int y, int w, int h);
	~MovingObjectImage() override = default;

	void draw() override;
	// Deliberately empty: the framework's bouncing motion must never run on a sprite.
	void update(int time) override;

	// Replaces the picture by another from the image cache (keepLoaded pins it there).
	void setImage(const std::string& url, bool keepLoaded);
	const ImageHandle& getImage() const { return m_image; }

	int getCounter() const { return m_counter; }

protected:
	ImageHandle m_image;
	// Ticks counted by subclasses for their own purposes (a bob, an explosion).
	int m_counter = 0;
};
