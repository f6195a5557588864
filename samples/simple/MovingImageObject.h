#pragma once
// The simple demo's steerable picture: arrow keys move it, its two pictures alternate,
// and it bumps the value of the map tile under its position.

#include <string>

#include "ImageHandle.h"
#include "MovingObject.h"

class TileManager;

class MovingImageObject : public MovingObject
{
public:
	MovingImageObject(BaseEngine* engine, const std::string& firstImage, const std::string& secondImage, int x, int y,
		int width, int height, TileManager* tileManager);
	~MovingImageObject() override {}

	void update(int time) override;
	void draw() override;

private:
	void swapImagesWhenDue(int time);
	void bumpTileWhenDue(int time);

	ImageHandle m_currentImage;
	ImageHandle m_otherImage;
	int m_lastImageSwapTime = 0;
	int m_lastTileBumpTime = 0;
	TileManager* m_tileManager;
};
