// Real SDL events reaching the engine's hooks, the objects and the key-state array.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "EngineHarness.h"
#include "FilterPointsScaling.h"

namespace
{
// An object that claims presses when told to, and logs what it was offered.
struct Clickable : DisplayableObject
{
	Clickable(BaseEngine* engine, int id, bool claims, std::vector<std::string>& log)
		: DisplayableObject(engine, 10, 10, true), id(id), claims(claims), log(log)
	{
	}
	bool offerClick(int, int, int) override
	{
		log.push_back("offer" + std::to_string(id));
		return claims;
	}
	void onMouseDown(int, int x, int y) override { log.push_back("down" + std::to_string(id) + "@" + std::to_string(x) + "," + std::to_string(y)); }
	void onKeyDown(int key) override { log.push_back("key" + std::to_string(id) + ":" + std::to_string(key)); }
	int id;
	bool claims;
	std::vector<std::string>& log;
};

// Removes and deletes every object when it is offered a key: the walk must stop safely.
struct ListClearer : DisplayableObject
{
	explicit ListClearer(BaseEngine* engine) : DisplayableObject(engine, 1, 1, true) {}
	void onKeyDown(int) override { getEngine()->resetObjectSlots(0); }
};

class RecordingEngine : public BaseEngine
{
public:
	void onKeyDown(int key) override { log.push_back("engine-key:" + std::to_string(key)); }
	void onMouseDown(int button, int x, int y) override
	{
		log.push_back("engine-down" + std::to_string(button) + "@" + std::to_string(x) + "," + std::to_string(y));
	}
	void onRawMouseDown(int, int x, int y) override { log.push_back("raw@" + std::to_string(x) + "," + std::to_string(y)); }
	void onMouseDownNotHandled(int, int wx, int wy, int vx, int vy) override
	{
		log.push_back("unhandled@" + std::to_string(wx) + "," + std::to_string(wy) + "/" + std::to_string(vx) + "," + std::to_string(vy));
	}
	void onMouseWheel(int, int y, unsigned int, unsigned int) override { log.push_back("wheel" + std::to_string(y)); }
	std::vector<std::string> log;
};

class EventDispatchTest : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_EQ(0, harness.initialise()); }
	void TearDown() override { engine.deinitialise(); }
	bool logged(const std::string& entry) const
	{
		for (const std::string& e : engine.log)
			if (e == entry)
				return true;
		return false;
	}

	RecordingEngine engine;
	EngineHarness harness{engine};
};
}

TEST_F(EventDispatchTest, HeldKeysReadAsPressedUntilReleased)
{
	harness.pushKeyDown(SDLK_RIGHT);
	harness.step();
	EXPECT_TRUE(engine.isKeyPressed(SDLK_RIGHT));
	EXPECT_TRUE(logged("engine-key:" + std::to_string(SDLK_RIGHT)));
	harness.pushKeyDown(SDLK_RIGHT);
	harness.step();
	EXPECT_TRUE(engine.isKeyPressed(SDLK_RIGHT));
	harness.pushKeyUp(SDLK_RIGHT);
	harness.step();
	EXPECT_FALSE(engine.isKeyPressed(SDLK_RIGHT));

	harness.pushKeyDown(SDLK_a);
	harness.step();
	EXPECT_TRUE(engine.isKeyPressed('a'));
	EXPECT_FALSE(engine.isKeyPressed('b'));
}

TEST_F(EventDispatchTest, UnmappedKeysShareEntryZero)
{
	EXPECT_EQ(0, BaseEngine::keyCodeToIndex(-5));
	EXPECT_EQ(0, BaseEngine::keyCodeToIndex(SDLK_KP_1));
	EXPECT_EQ(131, BaseEngine::keyCodeToIndex(SDLK_RIGHT));
	EXPECT_EQ(172, BaseEngine::keyCodeToIndex(SDLK_RGUI));
	EXPECT_EQ(27, BaseEngine::keyCodeToIndex(SDLK_ESCAPE));

	harness.pushKeyDown(SDLK_KP_1);
	harness.step();
	EXPECT_TRUE(engine.isKeyPressed(0));
	EXPECT_TRUE(engine.isKeyPressed(SDLK_KP_2));
	EXPECT_TRUE(engine.isKeyPressed(-1));
	harness.pushKeyUp(SDLK_KP_3);
	harness.step();
	EXPECT_FALSE(engine.isKeyPressed(SDLK_KP_1));
}

TEST(EventDispatchLifecycleTest, KeyStatesReadFalseOutsideTheEnginesLife)
{
	BaseEngine engine;
	EXPECT_FALSE(engine.isKeyPressed(SDLK_a));
	EngineHarness harness(engine);
	ASSERT_EQ(0, harness.initialise());
	harness.pushKeyDown(SDLK_a);
	harness.step();
	EXPECT_TRUE(engine.isKeyPressed(SDLK_a));
	engine.deinitialise();
	EXPECT_FALSE(engine.isKeyPressed(SDLK_a));
}

TEST_F(EventDispatchTest, ProgramsFirstPressAtTheOriginIsIgnored)
{
	BaseEngine::setFirstPressRuleArmed(true);
	harness.click(0, 0);
	EXPECT_TRUE(engine.log.empty());
	harness.click(0, 0);
	EXPECT_TRUE(logged("engine-down1@0,0"));

	engine.log.clear();
	BaseEngine::setFirstPressRuleArmed(true);
	harness.click(5, 6);
	EXPECT_TRUE(logged("engine-down1@5,6"));
}

TEST_F(EventDispatchTest, PressesAreOfferedInTheChosenOrderUntilClaimed)
{
	std::vector<std::string> objectLog;
	engine.appendObject(new Clickable(&engine, 0, false, objectLog));
	engine.appendObject(nullptr);
	engine.appendObject(new Clickable(&engine, 2, true, objectLog));
	engine.appendObject(new Clickable(&engine, 3, false, objectLog));

	harness.click(50, 60);
	EXPECT_TRUE(objectLog.empty());
	EXPECT_TRUE(logged("unhandled@50,60/50,60"));

	engine.log.clear();
	engine.setMouseDownFirstToLast(true);
	harness.click(50, 60);
	EXPECT_EQ((std::vector<std::string>{"offer0", "offer2"}), objectLog);
	EXPECT_FALSE(logged("unhandled@50,60/50,60"));

	objectLog.clear();
	engine.setMouseDownFirstToLast(false);
	engine.setMouseDownTopmostFirst(true);
	harness.click(50, 60);
	EXPECT_EQ((std::vector<std::string>{"offer3", "offer2"}), objectLog);
}

TEST_F(EventDispatchTest, MouseHooksGetVirtualAndRawHooksWindowCoordinates)
{
	FilterPointsScaling zoom(1, 1, engine.getEngineFilter());
	engine.getForegroundSurface()->setFilter(&zoom);
	std::vector<std::string> objectLog;
	engine.appendObject(new Clickable(&engine, 1, false, objectLog));
	engine.setMouseEventsToObjects(true);

	harness.click(100, 60);
	EXPECT_TRUE(logged("raw@100,60"));
	EXPECT_TRUE(logged("engine-down1@50,30"));
	EXPECT_TRUE(logged("unhandled@100,60/50,30"));
	EXPECT_EQ((std::vector<std::string>{"down1@50,30"}), objectLog);
	EXPECT_EQ(50, engine.getMouseXClickedDown());

	harness.pushMouseMove(40, 20);
	harness.step();
	EXPECT_EQ(20, engine.getCurrentMouseX());
	EXPECT_EQ(10, engine.getCurrentMouseY());

	harness.pushMouseWheel(0, -1);
	harness.step();
	EXPECT_TRUE(logged("wheel-1"));
	engine.getForegroundSurface()->setFilter(engine.getEngineFilter());
}

TEST_F(EventDispatchTest, KeyForwardingSurvivesAnObjectThatEmptiesTheList)
{
	std::vector<std::string> objectLog;
	engine.setKeyEventsToObjects(true);
	engine.appendObject(new Clickable(&engine, 1, false, objectLog));
	engine.appendObject(new ListClearer(&engine));
	engine.appendObject(new Clickable(&engine, 3, false, objectLog));
	harness.tapKey(SDLK_x);
	EXPECT_EQ(1u, objectLog.size());
	EXPECT_EQ(0, engine.getObjectCount());
}
