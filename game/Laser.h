#pragma once
// The player's shot: a short dark red bar that rises until it hits an alien or nears the
// top, then takes itself out of the engine's list (leaving its entry empty) and deletes itself.

#include "MovingObject.h"

class Laser : public MovingObject
{
public:
	static constexpr int width = 3;
	static constexpr int height = 15;

	Laser(BaseEngine* engine, int x, int y);

	void draw() override;
	void update(int time) override;

	// Called by an alien the laser hit; the laser goes in its next update.
	void markHit() { m_hit = true; }
	bool isHit() const { return m_hit; }

private:
	void removeFromList();

	bool m_hit = false;
};
