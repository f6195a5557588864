#pragma once
// Runs the whole game headless as the program does, in a private working directory that
// sees the run directory's fonts, pictures and music (or nothing at all), so saved games
// written by one test never meet another's.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "EngineHarness.h"
#include "TV4Engine.h"

class Alien;
class StateLevel;

class GameSession : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	// Tests that need an empty run directory call this before startGame().
	void useEmptyRunDirectory() { m_linkAssets = false; }
	// Where the clock of the next startGame() starts, in ms (1000 unless set).
	void startClockAt(int ticks) { m_startTicks = ticks; }
	// Builds and initialises the engine (the menu shows).
	void startGame();
	void closeGame();

	TV4Engine& engine() { return *m_engine; }
	EngineHarness& harness() { return *m_harness; }
	std::string workingFile(const std::string& name) const;

	template <typename T>
	T* current() { return dynamic_cast<T*>(m_engine->getCurrentState()); }

	// Input as a player gives it.
	void clickAt(int x, int y) { m_harness->click(x, y); }
	void typeKeys(const std::string& keys);
	void tapKey(SDL_Keycode key) { m_harness->tapKey(key); }
	void runTicks(int ticks);

	// Scripted routes.
	void clickNewGame();
	void clickLoadGame();
	// From the menu: New game, type the name, pick the ship, forward: level 1 is current.
	void startLevel1(const std::string& name, int ship);
	void writeSavedGame(const std::string& contents);
	std::string readSavedGame() const;

	// The level being played (also while paused).
	StateLevel* level();
	// Aliens still in the engine's list.
	int aliensListed();
	Alien* firstAlienWhere(bool (*test)(Alien*));
	// Runs ticks (firing whenever the laser's slot is free) until an alien is hit; the hit
	// alien or null, and the score just before the tick of the hit.
	Alien* fireUntilAlienHit(int maxTicks, int* scoreBeforeHit = nullptr);
	// Runs ticks until the current state is of type T or maxTicks passed.
	template <typename T>
	bool runUntil(int maxTicks)
	{
		for (int tick = 0; tick < maxTicks && current<T>() == nullptr; ++tick)
			m_harness->step();
		return current<T>() != nullptr;
	}

	// The pixel of a picture file as the image cache holds it.
	static unsigned int picturePixel(const std::string& url, int x, int y);
	bool foregroundShowsPicture(const std::string& url, int left, int top);

	// Screen positions of the menu's and the details screen's buttons.
	static const int newGameX = 350, newGameY = 330;
	static const int loadGameX = 350, loadGameY = 446;
	static const int infoX = 350, infoY = 565;
	static const int bonusX = 900, bonusY = 600;
	static const int backX = 40, backY = 600;
	static const int forwardX = 900, forwardY = 600;
	static const int shipY = 480;
	static int shipX(int ship) { return 280 + 200 * ship; }

private:
	std::string m_originalDirectory;
	std::string m_directory;
	bool m_linkAssets = true;
	int m_startTicks = 1000;
	std::unique_ptr<TV4Engine> m_engine;
	std::unique_ptr<EngineHarness> m_harness;
};
