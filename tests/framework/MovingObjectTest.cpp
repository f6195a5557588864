// Moving objects: speed, bouncing off the window's edges by the game time, rounding,
// standing still while paused; and the collision tests.

#include <gtest/gtest.h>

#include <climits>

#include "BaseEngine.h"
#include "EngineHarness.h"
#include "MovingObject.h"

namespace
{
class MovingObjectTest : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_EQ(0, harness.initialise()); }
	void TearDown() override
	{
		engine.removeAllObjects(true);
		engine.deinitialise();
	}

	BaseEngine engine;
	EngineHarness harness{ engine };
};
}

TEST_F(MovingObjectTest, BouncesOffTheRightEdgeOnePixelInside)
{
	MovingObject object(&engine, 979, 10, 20, 20);
	object.setExactPosition(979, 10);
	object.update(0);
	EXPECT_DOUBLE_EQ(979, object.getPositionX());
	EXPECT_DOUBLE_EQ(-1.5, object.getSpeedX());

	object.setExactPosition(977, 10);
	object.setSpeed(1.5, 0);
	object.update(0);
	EXPECT_DOUBLE_EQ(978.5, object.getPositionX());
	EXPECT_EQ(979, object.getX());
	EXPECT_DOUBLE_EQ(1.5, object.getSpeedX());
}

TEST_F(MovingObjectTest, BouncesOffTheLeftAndTopEdges)
{
	MovingObject object(&engine, 0, 1, 20, 20);
	object.setExactPosition(0.2, 1);
	object.setSpeed(-1.5, -2.5);
	object.update(0);
	EXPECT_DOUBLE_EQ(0, object.getPositionX());
	EXPECT_DOUBLE_EQ(1.5, object.getSpeedX());
	EXPECT_DOUBLE_EQ(0, object.getPositionY());
	EXPECT_DOUBLE_EQ(2.5, object.getSpeedY());
}

TEST_F(MovingObjectTest, IntegerPositionRoundsHalfUp)
{
	MovingObject object(&engine, 0, 0, 20, 20);
	object.setExactPosition(10.5, 10.49);
	EXPECT_EQ(11, object.getX());
	EXPECT_EQ(10, object.getY());
	object.setExactPosition(-0.4, 0);
	EXPECT_EQ(0, object.getX());
}

TEST_F(MovingObjectTest, MovesWithTheLoopAndStandsStillWhilePaused)
{
	MovingObject* object = new MovingObject(&engine, 100, 100, 20, 20);
	engine.appendObject(object);
	harness.step(10);
	harness.step(10);
	EXPECT_GT(object->getPositionX(), 100);
	const double x = object->getPositionX();
	const double y = object->getPositionY();
	EXPECT_NEAR(x - 100, (y - 100) * 1.5 / 2.5, 1e-9);

	engine.pause();
	harness.runFor(200);
	EXPECT_DOUBLE_EQ(x, object->getPositionX());
	engine.unpause();
	harness.runFor(100);
	EXPECT_GT(object->getPositionX(), x);
	// Its default drawing is a red triangle around its position.
	EXPECT_EQ(0xFF0000u, harness.foregroundPixel(object->getX() + 1, object->getY() + 5));
}

TEST_F(MovingObjectTest, WiderThanTheWindowEndsAtTheFarEdge)
{
	MovingObject object(&engine, 0, 0, 1200, 20);
	object.update(0);
	EXPECT_DOUBLE_EQ(999 - 1200, object.getPositionX());
}

TEST(CollisionTest, RectanglesSharingAnEdgeOverlap)
{
	EXPECT_TRUE(rectanglesOverlap(0, 10, 0, 10, 10, 20, 10, 20));
	EXPECT_FALSE(rectanglesOverlap(0, 9, 0, 9, 10, 20, 10, 20));
	EXPECT_TRUE(rectanglesOverlap(0, 100, 0, 100, 10, 20, 10, 20));
	EXPECT_FALSE(rectanglesOverlap(0, 10, 0, 10, 0, 10, 11, 20));
}

TEST(CollisionTest, PointsExactlyApartAreNotWithin)
{
	EXPECT_FALSE(pointsWithinDistance(0, 0, 3, 4, 5));
	EXPECT_TRUE(pointsWithinDistance(0, 0, 3, 4, 6));
	EXPECT_FALSE(pointsWithinDistance(-60000, 0, 60000, 0, 100)); // squares beyond the int range
	EXPECT_TRUE(pointsWithinDistance(0, 0, 50000, 0, 50001));
}
