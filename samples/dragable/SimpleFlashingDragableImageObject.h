#pragma once
// A picture that can be dragged with the mouse and alternates between two pictures every
// 500 ms of game time, drawn 90 percent opaque with black pixels left out.

#include <string>

#include "DisplayableObject.h"
#include "ImageHandle.h"

class SimpleFlashingDragableImageObject : public DisplayableObject
{
public:
	SimpleFlashingDragableImageObject(int x, int y, BaseEngine* engine, const std::string& firstImage,
		const std::string& secondImage, bool topLeft = true, bool visible = true);
	~SimpleFlashingDragableImageObject() override {}

	void update(int time) override;
	void draw() override;
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;

	bool isDragging() const { return m_dragging; }
	int getCurrentImageIndex() const { return m_currentImageIndex; }

private:
	const ImageHandle& currentImage() const { return m_currentImageIndex == 0 ? m_firstImage : m_secondImage; }

	bool m_dragging = false;
	int m_dragStartX = 0;
	int m_dragStartY = 0;
	int m_mouseStartX = 0;
	int m_mouseStartY = 0;
	ImageHandle m_firstImage;
	ImageHandle m_secondImage;
	int m_currentImageIndex = 0;
};
