#pragma once
// The bonus game: the player's ship dodges chasing and sweeping aliens over pulsing star
// layers while a clock counts the time survived; the back button returns to the menu.

#include "StarLayers.h"
#include "State.h"

class AlienBonus;
class ImageObject;
class SpaceShipBonus;
class TimeObject;

class StateBonusGame : public State
{
public:
	static constexpr int alienCount = 6;

	explicit StateBonusGame(TV4Engine* engine);

	void drawBackground() override;
	void createObjects() override;
	void mouseDown(int button, int x, int y) override;
	void beforeUpdate() override;
	void keyUp(int key) override;
	void keyDown(int key) override;
	void createSurfaces() override;
	void onShutdown() override;

	int getElapsed() const { return m_elapsed; }
	const StarLayers& getStarLayers() const { return m_starLayers; }
	// The ship while it is in the object list; null once it has exploded and removed itself.
	SpaceShipBonus* getShip() const;

private:
	void createAliens();
	void drawHeader();

	ImageObject* m_backButton = nullptr;
	TimeObject* m_timeDisplay = nullptr;
	AlienBonus* m_aliens[alienCount] = {};
	StarLayers m_starLayers;
	int m_elapsed = 0;
};
