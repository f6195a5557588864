// The main loop's update gate, the game time with pause, and how the loop ends.

#include <gtest/gtest.h>

#include <climits>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "EngineHarness.h"

namespace
{
// Remembers the game times it was updated with.
struct TimeRecorder : DisplayableObject
{
	explicit TimeRecorder(BaseEngine* engine) : DisplayableObject(engine, 1, 1, true) {}
	void update(int time) override
	{
		++updates;
		lastTime = time;
	}
	int updates = 0;
	int lastTime = -1;
};

// Counts the loop's hooks and can end the loop from an update.
class CountingEngine : public BaseEngine
{
public:
	void onBeforeUpdate() override { ++beforeUpdate; if (exitOnUpdate) setExitCode(3); }
	void onBeforeRender() override { ++beforeRender; }
	int beforeUpdate = 0;
	int beforeRender = 0;
	bool exitOnUpdate = false;
};

class MainLoopTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		recorder = new TimeRecorder(&engine);
		engine.appendObject(recorder);
	}
	void TearDown() override { engine.deinitialise(); }

	CountingEngine engine;
	EngineHarness harness{engine};
	TimeRecorder* recorder = nullptr;
};
}

TEST_F(MainLoopTest, UpdatesRunAtMostOncePerPeriod)
{
	harness.step(1);
	EXPECT_EQ(1, recorder->updates);
	harness.step(5);
	EXPECT_EQ(1, recorder->updates);
	harness.step(5);
	EXPECT_EQ(2, recorder->updates);
	// A late update is not made up: one update, and the next is due a period later.
	harness.step(100);
	EXPECT_EQ(3, recorder->updates);
	harness.step(9);
	EXPECT_EQ(3, recorder->updates);
}

// SDL's tick count passes the int range after 24.8 days and the int ticks turn negative:
// updates stay one period apart, and the game time goes on and still stands while paused.
TEST_F(MainLoopTest, UpdatesAndGameTimeGoOnAcrossTheTickWrap)
{
	harness.advanceClock(INT_MAX - 5 - harness.now());
	harness.step(0);
	const int firstTime = recorder->lastTime;
	harness.step(1);
	EXPECT_EQ(1, recorder->updates) << "the next update is due a period later, past the wrap";
	harness.step(8);
	EXPECT_EQ(1, recorder->updates);
	harness.step(1);
	EXPECT_EQ(2, recorder->updates);
	harness.runFor(1000);
	EXPECT_EQ(102, recorder->updates);
	EXPECT_EQ(timeAfter(firstTime, 1010), recorder->lastTime);

	engine.pause();
	harness.runFor(100);
	EXPECT_TRUE(engine.isPaused());
	EXPECT_EQ(timeAfter(firstTime, 1010), recorder->lastTime);
	engine.unpause();
	harness.step(10);
	EXPECT_EQ(timeAfter(firstTime, 1020), recorder->lastTime);
}

TEST_F(MainLoopTest, TooShortUpdatePeriodIsRaisedToEight)
{
	engine.setUpdatePeriod(5);
	harness.step(1);
	EXPECT_EQ(8, engine.getUpdatePeriod());
	harness.step(7);
	EXPECT_EQ(1, recorder->updates);
	harness.step(1);
	EXPECT_EQ(2, recorder->updates);
}

TEST_F(MainLoopTest, PausedGameTimeStandsStill)
{
	harness.step(10);
	const int before = engine.getGameTime();
	engine.pause();
	harness.runFor(500);
	EXPECT_TRUE(engine.isPaused());
	EXPECT_EQ(before, engine.getGameTime());
	EXPECT_EQ(before, recorder->lastTime);

	engine.unpause();
	harness.step(10);
	EXPECT_EQ(before + 10, engine.getGameTime());
}

// The game time is the tick count less the paused time, wherever SDL's clock stood at the
// start; a pause made before initialise() starts at the current time 0.
TEST_F(MainLoopTest, GameTimeIsTheTickCountLessThePausedTime)
{
	harness.step(10);
	EXPECT_EQ(harness.now(), engine.getGameTime());
	engine.pause();
	harness.runFor(100);
	engine.unpause();
	harness.step(10);
	EXPECT_EQ(harness.now() - 100, engine.getGameTime());
	EXPECT_EQ(engine.getCurrentTime() - 100, recorder->lastTime);

	CountingEngine pausedFirst;
	EngineHarness pausedHarness(pausedFirst, 500);
	pausedFirst.pause();
	ASSERT_EQ(0, pausedHarness.initialise());
	pausedHarness.step(0);
	EXPECT_EQ(0, pausedFirst.getGameTime());
	pausedFirst.unpause();
	pausedHarness.step(100);
	EXPECT_EQ(100, pausedFirst.getGameTime());
	pausedFirst.deinitialise();
}

TEST_F(MainLoopTest, PauseAndUnpauseTwiceKeepTheGameTimeConsistent)
{
	harness.step(10);
	const int before = engine.getGameTime();
	engine.pause();
	harness.runFor(100);
	engine.pause();
	harness.runFor(100);
	engine.unpause();
	EXPECT_EQ(before, engine.getGameTime());
	engine.unpause();
	EXPECT_EQ(before, engine.getGameTime());
	harness.step(10);
	EXPECT_EQ(before + 10, engine.getGameTime());
}

TEST_F(MainLoopTest, ExitCodeLetsTheIterationFinish)
{
	engine.exitOnUpdate = true;
	EXPECT_EQ(0, engine.mainLoop());
	EXPECT_EQ(3, engine.getExitCode());
	EXPECT_EQ(1, engine.beforeUpdate);
	EXPECT_EQ(1, engine.beforeRender);
}

TEST_F(MainLoopTest, QuitEventEndsTheLoopBeforeUpdating)
{
	harness.pushQuit();
	EXPECT_EQ(0, engine.mainLoop());
	EXPECT_EQ(-1, engine.getExitCode());
	EXPECT_EQ(0, engine.beforeUpdate);
	EXPECT_EQ(0, recorder->updates);
}
