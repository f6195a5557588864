// The object list: slots, removal and ownership, and passes that survive changes to the list.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "EngineHarness.h"

namespace
{
// Counts its own destruction and reports every update into a shared log.
struct Probe : DisplayableObject
{
	Probe(BaseEngine* engine, int id, std::vector<int>& log, int* destroyed = nullptr)
		: DisplayableObject(engine, 10, 10, true), id(id), log(log), destroyed(destroyed)
	{
	}
	~Probe() override
	{
		if (destroyed)
			++*destroyed;
	}
	void update(int) override { log.push_back(id); }
	int notify(int code, int, int) override { return code == 7 ? id % 2 : 0; }

	int id;
	std::vector<int>& log;
	int* destroyed;
};

// Removes itself from its engine's list and deletes itself during its update.
struct SelfDeleting : Probe
{
	using Probe::Probe;
	void update(int time) override
	{
		Probe::update(time);
		BaseEngine* engine = getEngine();
		engine->detachObject(this);
		delete this;
	}
};

// Appends a new object during its update.
struct Spawner : Probe
{
	using Probe::Probe;
	void update(int time) override
	{
		Probe::update(time);
		if (!spawned)
		{
			spawned = true;
			getEngine()->appendObject(new Probe(getEngine(), 99, log));
		}
	}
	bool spawned = false;
};

class ObjectContainerTest : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_EQ(0, harness.initialise()); }
	void TearDown() override { engine.deinitialise(); }

	BaseEngine engine;
	EngineHarness harness{engine};
	std::vector<int> log;
	int destroyed = 0;
};
}

TEST_F(ObjectContainerTest, RemovalKeepsTheSlotsAndDeletesOnlyOwnedObjects)
{
	Probe* kept = new Probe(&engine, 1, log, &destroyed);
	kept->setDeleteOnRemoval(false);
	engine.appendObject(kept);
	engine.appendObject(new Probe(&engine, 2, log, &destroyed));
	engine.appendObject(new Probe(&engine, 3, log, &destroyed));

	engine.removeAllObjects(true);
	EXPECT_EQ(3, engine.getObjectCount());
	EXPECT_EQ(2, destroyed);
	EXPECT_EQ(nullptr, engine.getObjectAt(0));
	delete kept;

	engine.resetObjectSlots(5);
	EXPECT_EQ(5, engine.getObjectCount());
	for (int i = 0; i < 5; ++i)
		EXPECT_EQ(nullptr, engine.getObjectAt(i));
}

TEST_F(ObjectContainerTest, OutOfRangeAccessIsHarmless)
{
	engine.resetObjectSlots(2);
	Probe probe(&engine, 1, log);
	probe.setDeleteOnRemoval(false);
	engine.setObjectAt(2, &probe);
	engine.setObjectAt(-1, &probe);
	EXPECT_EQ(2, engine.getObjectCount());
	EXPECT_EQ(nullptr, engine.getObjectAt(2));
	EXPECT_EQ(nullptr, engine.getObjectAt(-1));
	EXPECT_FALSE(engine.detachObject(&probe));
	EXPECT_TRUE(engine.objectsChanged());
}

TEST_F(ObjectContainerTest, DetachAndMoveToEndReorder)
{
	Probe* a = new Probe(&engine, 1, log);
	Probe* b = new Probe(&engine, 2, log);
	Probe* c = new Probe(&engine, 3, log);
	engine.appendObject(a);
	engine.appendObject(b);
	engine.appendObject(c);
	EXPECT_TRUE(engine.moveObjectToEnd(b));
	EXPECT_EQ(a, engine.getObjectAt(0));
	EXPECT_EQ(c, engine.getObjectAt(1));
	EXPECT_EQ(b, engine.getObjectAt(2));
	EXPECT_TRUE(engine.isRedrawPending());

	EXPECT_TRUE(engine.detachObject(a));
	EXPECT_EQ(2, engine.getObjectCount());
	delete a;
}

TEST_F(ObjectContainerTest, TopmostAnsweringObjectIsFound)
{
	for (int id = 1; id <= 4; ++id)
		engine.appendObject(new Probe(&engine, id, log));
	engine.appendObject(nullptr);
	DisplayableObject* found = engine.findTopmostByNotify(7, 1, 0, 0);
	ASSERT_NE(nullptr, found);
	EXPECT_EQ(3, static_cast<Probe*>(found)->id);
	EXPECT_EQ(nullptr, engine.findTopmostByNotify(8, 1, 0, 0));
}

TEST_F(ObjectContainerTest, UpdatePassSurvivesObjectsThatDeleteThemselves)
{
	engine.appendObject(new Probe(&engine, 1, log, &destroyed));
	engine.appendObject(new SelfDeleting(&engine, 2, log, &destroyed));
	engine.appendObject(nullptr);
	engine.appendObject(new SelfDeleting(&engine, 3, log, &destroyed));
	engine.appendObject(new Probe(&engine, 4, log, &destroyed));
	engine.updateAllObjects(0);
	EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), log);
	EXPECT_EQ(2, destroyed);
	EXPECT_EQ(3, engine.getObjectCount());
}

TEST_F(ObjectContainerTest, ObjectsAddedDuringAPassWaitForTheNext)
{
	engine.appendObject(new Probe(&engine, 1, log));
	engine.appendObject(new Spawner(&engine, 2, log));
	engine.appendObject(new Probe(&engine, 3, log));
	engine.updateAllObjects(0);
	EXPECT_EQ((std::vector<int>{1, 2, 3}), log);
	log.clear();
	engine.updateAllObjects(0);
	EXPECT_EQ((std::vector<int>{1, 2, 3, 99}), log);
}

// Whatever an object does to the list during its call, every object that stays gets its
// call exactly once, and a newcomer in a deleted object's place (often at its very address)
// waits for the next walk.
TEST_F(ObjectContainerTest, WalksCallEachObjectThatStaysExactlyOnce)
{
	for (int id = 1; id <= 5; ++id)
		engine.appendObject(new Probe(&engine, id, log));
	auto listed = [this](int id) {
		for (int i = 0; i < engine.getObjectCount(); ++i)
			if (static_cast<Probe*>(engine.getObjectAt(i))->id == id)
				return i;
		return -1;
	};
	engine.forEachObjectUntil([&](DisplayableObject* object) {
		const int id = static_cast<Probe*>(object)->id;
		log.push_back(id);
		if (id == 1)
		{
			engine.detachObject(object);
			delete object;
		}
		else if (id == 2)
		{
			const int index = listed(4);
			delete engine.getObjectAt(index);
			engine.setObjectAt(index, new Probe(&engine, 6, log));
		}
		return false;
	});
	EXPECT_EQ((std::vector<int>{1, 2, 3, 5}), log);

	log.clear();
	engine.forEachObjectUntil([&](DisplayableObject* object) {
		const int id = static_cast<Probe*>(object)->id;
		log.push_back(id);
		if (id == 5)
		{
			DisplayableObject* below = engine.getObjectAt(listed(3));
			engine.detachObject(below);
			delete below;
		}
		return false;
	}, true);
	EXPECT_EQ((std::vector<int>{5, 6, 2}), log);

	// An entry brought to the front before its turn is still the same entry to the walk.
	log.clear();
	engine.forEachObjectUntil([&](DisplayableObject* object) {
		const int id = static_cast<Probe*>(object)->id;
		log.push_back(id);
		if (id == 2)
			engine.moveObjectToEnd(engine.getObjectAt(listed(6)));
		return false;
	});
	EXPECT_EQ((std::vector<int>{2, 6, 5}), log);
}

TEST_F(ObjectContainerTest, ObjectsClampIntoTheWindowWhenMade)
{
	DisplayableObject centred(&engine, 100, 100, false);
	EXPECT_EQ(50, centred.getX());
	EXPECT_EQ(0, centred.getLeftEdge());

	DisplayableObject odd(&engine, 5, 7, false);
	EXPECT_EQ(-2, odd.getLeftEdge() - odd.getX());
	EXPECT_EQ(-3, odd.getTopEdge() - odd.getY());

	DisplayableObject right(990, 10, &engine, 100, 100, true);
	EXPECT_EQ(900, right.getX());
	EXPECT_TRUE(right.containsPoint(900, 10));
	EXPECT_FALSE(right.containsPoint(1000, 10));

	// Positions at the ends of the int range (as a saved file may hold) clamp the same way.
	DisplayableObject far(INT_MAX, INT_MAX, &engine, 100, 100, true);
	EXPECT_EQ(900, far.getX());
	EXPECT_EQ(600, far.getY());
	DisplayableObject low(INT_MIN, INT_MIN, &engine, 100, 100, false);
	EXPECT_EQ(50, low.getX());
	EXPECT_EQ(50, low.getY());
}
