#pragma once
// The menu's title logo: bobs slowly down and up by about ten pixels.

#include <string>

#include "MovingObjectImage.h"

class MainMenuTitle : public MovingObjectImage
{
public:
	MainMenuTitle(BaseEngine* engine, std::string url, int x, int y, int width, int height);
	~MainMenuTitle() override = default;

	void update(int time) override;

private:
	static constexpr double bobSpeed = 0.4;
	// Ticks in one direction before the logo turns (the turn happens when the counter passes it).
	static const int ticksPerDirection = 25;
};
