#pragma once
// The player's ship in the levels: moved left and right along the bottom by the arrow keys.

#include "MovingObjectImage.h"

class SpaceShip : public MovingObjectImage
{
public:
	static constexpr int still = 0;
	static constexpr int right = 1;
	static constexpr int left = 2;

	SpaceShip(BaseEngine* engine, std::string url, int x, int y, int w, int h);

	void update(int time) override;

	void moveRight() { m_horizontalDirection = right; }
	void moveLeft() { m_horizontalDirection = left; }
	int getHorizontalDirection() const { return m_horizontalDirection; }
	void setHorizontalDirection(int direction) { m_horizontalDirection = direction; }

protected:
	int m_horizontalDirection = still;
};
