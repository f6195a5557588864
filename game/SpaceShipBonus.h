#pragma once
// The bonus game's ship: steered in four directions, counts the time survived while it
// is unhit, and once hit explodes and takes itself out of the object list.

#include <string>

#include "SpaceShip.h"

class SpaceShipBonus : public SpaceShip
{
public:
	// Vertical directions.
	static constexpr int still = 0;
	static constexpr int down = 1;
	static constexpr int up = 2;

	// elapsed is the screen's survival counter in ms; the ship adds to it but does not own it.
	SpaceShipBonus(BaseEngine* engine, std::string url, int x, int y, int w, int h, int* elapsed);

	void update(int time) override;

	int getVerticalDirection() const { return m_verticalDirection; }
	void setVerticalDirection(int direction) { m_verticalDirection = direction; }
	void setHit(bool hit) { m_hit = hit; }
	bool isHit() const { return m_hit; }

private:
	void move();
	// One tick of the explosion; on the last one the ship removes and deletes itself.
	void explode();
	void removeFromEngine();

	int* m_elapsed;
	int m_verticalDirection = still;
	bool m_hit = false;
	int m_explosionFrame = 1;
	int m_explosionTickCounter = 0;
};
