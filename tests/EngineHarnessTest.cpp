#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BaseEngine.h"
#include "Diagnostics.h"
#include "EngineHarness.h"

namespace
{
// An engine that records what reached its hooks, in order.
class RecordingEngine : public BaseEngine
{
public:
	void onKeyDown(int key) override { log.push_back("keydown " + std::to_string(key)); }
	void onKeyUp(int key) override { log.push_back("keyup " + std::to_string(key)); }
	void onMouseDown(int button, int x, int y) override { log.push_back(describe("down", button, x, y)); }
	void onMouseUp(int button, int x, int y) override { log.push_back(describe("up", button, x, y)); }
	void onMouseMove(int x, int y) override { log.push_back(describe("move", 0, x, y)); }
	void onMouseWheel(int x, int y, unsigned int, unsigned int) override { log.push_back(describe("wheel", 0, x, y)); }
	void onBeforeUpdate() override { updateTimes.push_back(getCurrentTime()); }

	std::vector<std::string> log;
	std::vector<int> updateTimes;

private:
	static std::string describe(const char* what, int button, int x, int y)
	{
		return std::string(what) + " " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y);
	}
};

class EngineHarnessTest : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_EQ(0, harness.initialise()); }

	RecordingEngine engine;
	EngineHarness harness{engine};
};
}

TEST_F(EngineHarnessTest, EngineTimeFollowsTheHarnessClockOnly)
{
	harness.step(10);
	harness.runFor(30, 10);
	EXPECT_EQ(1040, harness.now());
	EXPECT_EQ(1040, engine.getCurrentTime());
	ASSERT_FALSE(engine.updateTimes.empty());
	EXPECT_EQ(1040, engine.updateTimes.back());
}

TEST_F(EngineHarnessTest, PushedKeysReachTheHooksAndTheKeyStates)
{
	harness.pushKeyDown(SDLK_a);
	harness.step();
	EXPECT_TRUE(engine.isKeyPressed(SDLK_a));
	harness.pushKeyUp(SDLK_a);
	harness.step();
	EXPECT_FALSE(engine.isKeyPressed(SDLK_a));
	harness.tapKey(SDLK_LEFT);
	const std::vector<std::string> expected = {"keydown 97", "keyup 97",
		"keydown " + std::to_string(SDLK_LEFT), "keyup " + std::to_string(SDLK_LEFT)};
	EXPECT_EQ(expected, engine.log);
}

TEST_F(EngineHarnessTest, MouseEventsArriveWithTheirPositions)
{
	harness.click(0, 0);  // the first-press rule is disarmed, so even (0, 0) counts
	harness.drag(100, 200, 140, 240, 2, SDL_BUTTON_RIGHT);
	harness.pushMouseWheel(0, -1);
	harness.step();
	const std::vector<std::string> expected = {"down 1 0,0", "up 1 0,0", "down 3 100,200", "move 0 120,220",
		"move 0 140,240", "up 3 140,240", "wheel 0 0,-1"};
	EXPECT_EQ(expected, engine.log);
	EXPECT_EQ(140, engine.getCurrentMouseX());
	EXPECT_EQ(240, engine.getCurrentMouseY());
}

TEST_F(EngineHarnessTest, QuitEndsTheStep)
{
	EXPECT_TRUE(harness.step());
	harness.pushQuit();
	EXPECT_FALSE(harness.step());
}

TEST_F(EngineHarnessTest, PixelsAreReadFromTheDrawnFrame)
{
	harness.step();
	EXPECT_EQ(0xFFFF00u, harness.backgroundPixel(10, 10));
	EXPECT_EQ(0xFFFF00u, harness.foregroundPixel(999, 699));
	EXPECT_EQ(50 * 40, harness.countForegroundPixels(0, 0, 50, 40, 0xFFFF00));
	EXPECT_EQ(EngineHarness::outsideSurface, harness.foregroundPixel(1000, 0));
	EXPECT_EQ(EngineHarness::outsideSurface, harness.foregroundPixel(0, -1));
	EXPECT_EQ(0, harness.countForegroundPixels(995, 695, 10, 10, EngineHarness::outsideSurface & 0xFFFFFF));
}

TEST(OutputCaptureTest, CapturesPrintedLinesAndRestoresTheOutput)
{
	OutputCapture capture;
	capture.start();
	diagnosticPrintf("Loading font: %d point %s\n", 24, "x.ttf");
	std::printf("plain printf without a flush\n");
	const std::string first = capture.stop();
	EXPECT_EQ("Loading font: 24 point x.ttf\nplain printf without a flush\n", first);

	EXPECT_EQ("", capture.stop());  // stopping twice is harmless
	capture.start();
	const std::string second = capture.stop();
	EXPECT_EQ("", second);
}
