#pragma once
// Runs the game's engine headless with a level current, the way the program gets there:
// a screen switch into the level, then loop passes on the harness clock.

#include <gtest/gtest.h>

#include <vector>

#include "EngineHarness.h"
#include "StateLevel.h"
#include "TV4Engine.h"

// A level built from a test's own alien table, with the real level machinery around it.
class ScriptedLevel : public StateLevel
{
public:
	static constexpr int slotCount = 40;

	ScriptedLevel(TV4Engine* engine, std::vector<AlienRow> aliens, int killTarget)
		: StateLevel(engine), m_aliens(std::move(aliens))
	{
		takePlayerData(killTarget, 1);
	}

	void createObjects() override
	{
		buildObjects(slotCount, nullptr, 0, "images/Level1Image.png", m_aliens.data(), static_cast<int>(m_aliens.size()));
	}
	void levelComplete() override { ++completions; }
	void pause() override { pauseLevel(); }

	int completions = 0;

private:
	std::vector<AlienRow> m_aliens;
};

class LevelFixture : public ::testing::Test
{
protected:
	static constexpr int levelTrack = 2;

	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		// One pass first, so that the level's clock has started when its aliens are made.
		harness.step();
	}
	void TearDown() override { engine.deinitialise(); }

	// Makes the level current as the menu and the details screen do (objects, then background).
	template <typename Level>
	Level* enter(Level* level, unsigned int track = levelTrack)
	{
		engine.changeState(level, TV4Engine::redrawObjectsThenBackground, track, true);
		return level;
	}
	ScriptedLevel* enterScripted(std::vector<StateLevel::AlienRow> aliens, int killTarget = 100)
	{
		return enter(new ScriptedLevel(&engine, std::move(aliens), killTarget));
	}

	StateLevel* currentLevel() { return dynamic_cast<StateLevel*>(engine.getCurrentState()); }
	void ticks(int count)
	{
		for (int i = 0; i < count; ++i)
			harness.step();
	}

	// The engine opens the audio device as it is constructed, so the drivers are chosen first.
	struct HeadlessDrivers
	{
		HeadlessDrivers() { useHeadlessDrivers(); }
	} drivers;
	TV4Engine engine;
	EngineHarness harness{engine};
};
