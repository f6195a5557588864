// Timed movement: positions along the line by time, reversing, and long movements.

#include <gtest/gtest.h>

#include <climits>

#include "TimedMovement.h"

TEST(TimedMovementTest, PositionsFollowTheTime)
{
	TimedMovement movement;
	movement.setup(0, 0, 100, 50, 1000, 2000);
	EXPECT_EQ(0, movement.getX());
	movement.calculate(1500);
	EXPECT_EQ(50, movement.getX());
	EXPECT_EQ(25, movement.getY());
	movement.calculate(1999);
	EXPECT_EQ(99, movement.getX());
	EXPECT_EQ(49, movement.getY());
	movement.calculate(500);
	EXPECT_EQ(0, movement.getX());
	movement.calculate(2500);
	EXPECT_EQ(100, movement.getX());
	EXPECT_EQ(50, movement.getY());
	EXPECT_TRUE(movement.hasFinished(2000));
	EXPECT_FALSE(movement.hasFinished(1999));
}

TEST(TimedMovementTest, DivisionTruncatesTowardZero)
{
	TimedMovement movement;
	movement.setup(100, 0, 0, 0, 1000, 1003);
	movement.calculate(1001);
	EXPECT_EQ(67, movement.getX());
}

TEST(TimedMovementTest, ReverseGoesBackOverTheSameDuration)
{
	TimedMovement movement;
	movement.setup(0, 0, 100, 50, 1000, 2000);
	movement.calculate(1500);
	movement.reverse();
	EXPECT_EQ(2000, movement.getStartTime());
	EXPECT_EQ(3000, movement.getEndTime());
	EXPECT_EQ(50, movement.getX()); // the current point stays
	movement.calculate(2000);
	EXPECT_EQ(100, movement.getX());
	movement.calculate(3000);
	EXPECT_EQ(0, movement.getX());
	EXPECT_EQ(0, movement.getY());
}

TEST(TimedMovementTest, EqualTimesJumpAndClearResets)
{
	TimedMovement movement;
	movement.setup(1, 2, 3, 4, 1000, 1000);
	movement.calculate(1000);
	EXPECT_EQ(1, movement.getX());
	movement.calculate(1001);
	EXPECT_EQ(3, movement.getX());
	movement.clear();
	EXPECT_EQ(0, movement.getX());
	EXPECT_EQ(0, movement.getEndTime());
}

TEST(TimedMovementTest, LongMovementsDoNotOverflow)
{
	TimedMovement movement;
	movement.setup(0, 0, 100000, -100000, 0, 1000000);
	movement.calculate(500000);
	EXPECT_EQ(50000, movement.getX());
	EXPECT_EQ(-50000, movement.getY());

	// Across the whole int range of places, and in time across the wrap of the int game time.
	movement.setup(INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MAX - 499, INT_MIN + 500);
	movement.calculate(INT_MIN);
	EXPECT_EQ(-1, movement.getX());
	EXPECT_EQ(0, movement.getY());
	EXPECT_FALSE(movement.hasFinished(INT_MIN));
	EXPECT_TRUE(movement.hasFinished(INT_MIN + 500));
	movement.reverse();
	EXPECT_EQ(INT_MIN + 500, movement.getStartTime());
	EXPECT_EQ(INT_MIN + 1500, movement.getEndTime());
}
