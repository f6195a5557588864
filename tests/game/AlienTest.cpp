#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "Alien.h"
#include "EntrySchedule.h"
#include "Laser.h"
#include "LevelFixture.h"

namespace
{
const char* const alienImage = "images/Alien1.png";
const int alienW = 60;
const int alienH = 40;

StateLevel::AlienRow row(int x, int y, int pattern, int delay = 0, int points = 10)
{
	return {alienImage, x, y, alienW, alienH, pattern, delay, points};
}

// An alien outside the list whose laser test can be called directly.
class ProbeAlien : public Alien
{
public:
	ProbeAlien(BaseEngine* engine, int x, int y, int pattern, int* counters)
		: Alien(engine, alienImage, x, y, alienW, alienH, pattern, 0, &counters[0], &counters[1], &counters[2], 10)
	{
	}
	using Alien::checkLaserHit;
};

class AlienTest : public LevelFixture
{
protected:
	Alien* alien(int k) { return dynamic_cast<Alien*>(engine.getObjectAt(ScriptedLevel::slotCount + k)); }

	// Runs passes until the alien has made the given number of movement steps.
	void moveSteps(int k, int steps)
	{
		while (!alien(k)->isActive())
			harness.step();
		ticks(steps - 1);
	}
	// A laser standing with its centre at (cx, cy).
	Laser* placeLaser(int cx, int cy)
	{
		delete engine.getObjectAt(StateLevel::laserSlot);
		Laser* laser = new Laser(&engine, cx - Laser::width / 2, cy - Laser::height / 2);
		engine.setObjectAt(StateLevel::laserSlot, laser);
		return laser;
	}
};
} // namespace

TEST_F(AlienTest, EntersPlayOnlyOnceItsDelayOfGameTimeHasPassed)
{
	const int created = engine.getGameTime();
	enterScripted({row(500, 100, 6, 2025)});
	harness.step();
	EXPECT_FALSE(alien(0)->isVisible()) << "a waiting alien hides from its first update";
	while (!alien(0)->isActive())
	{
		EXPECT_EQ(500, alien(0)->getX());
		harness.step();
	}
	EXPECT_GT(engine.getGameTime(), created + 2025);
	EXPECT_LE(engine.getGameTime(), created + 2025 + 10);
	EXPECT_TRUE(alien(0)->isVisible());
	EXPECT_EQ(502, alien(0)->getX());
	EXPECT_EQ(102, alien(0)->getY());
}

// Late in a very long game the entry time lies past the end of the int range, where the
// game time turns negative: the enemy waits for it and enters on time.
TEST(EntryScheduleTest, EntryTimeBeyondTheIntRangeComesOnTime)
{
	EntrySchedule schedule(INT_MAX - 10, 2025);
	EXPECT_FALSE(schedule.advance(INT_MAX));
	EXPECT_FALSE(schedule.advance(INT_MIN + 2014));
	EXPECT_TRUE(schedule.advance(INT_MIN + 2015));
	EXPECT_EQ(1, schedule.timeInPlay(INT_MIN + 2015));
}

TEST_F(AlienTest, PausedGameHidesAndFreezesAliensAndTheirSchedule)
{
	enterScripted({row(500, 100, 6, 0)});
	moveSteps(0, 5);
	const int x = alien(0)->getX();
	engine.pause();
	ticks(200);
	EXPECT_FALSE(alien(0)->isActive());
	EXPECT_FALSE(alien(0)->isVisible());
	EXPECT_EQ(x, alien(0)->getX());
	engine.unpause();
	ticks(1);
	EXPECT_TRUE(alien(0)->isVisible());
	EXPECT_EQ(x + 2, alien(0)->getX());
}

TEST_F(AlienTest, SweepsTurnAtTheirBoundsAndDescend)
{
	// Pattern 1 from x 250: right 6 per tick until past W - 200, 100 pixels down, then back left.
	// Pattern 2 from x 800: left 12 per tick until below 200, 160 pixels down, then back right.
	enterScripted({row(250, 50, 1), {"images/Alien3.png", 800, 50, 52, 52, 2, 0, 50}});
	moveSteps(0, 92);
	EXPECT_EQ(200, alien(1)->getX());
	EXPECT_EQ(210, alien(1)->getY());
	EXPECT_EQ(1, alien(1)->getDirection());
	ticks(143 - 92);
	EXPECT_EQ(796, alien(0)->getX());
	EXPECT_EQ(150, alien(0)->getY());
	EXPECT_EQ('R', alien(0)->getSide());
	EXPECT_EQ(-1, alien(0)->getDirection());
}

TEST_F(AlienTest, MirroredPairsMoveInMirrorImage)
{
	// Scripted (3, 4), diagonal (6, 7) and banded sweeps (8, 9), each pair mirrored about x = W / 2.
	enterScripted({row(50, 450, 3), row(890, 450, 4), row(1, 0, 6), row(939, 0, 7), row(51, 50, 8),
		row(889, 50, 9)});
	const int mirrorSum = engine.getWidth() - alienW;
	int highestScripted = 450;
	for (int step = 0; step < 300; ++step)
	{
		harness.step();
		highestScripted = std::min(highestScripted, alien(0)->getY());
		for (int pair = 0; pair < 3; ++pair)
		{
			Alien* left = alien(2 * pair);
			Alien* right = alien(2 * pair + 1);
			if (left == nullptr || right == nullptr || left->isDying() || right->isDying())
				continue;
			ASSERT_EQ(mirrorSum, left->getX() + right->getX()) << "pair " << pair << " step " << step;
			ASSERT_EQ(left->getY(), right->getY()) << "pair " << pair << " step " << step;
		}
	}
	// The scripted pair went up before coming down; the banded pair stayed in its bands.
	EXPECT_LT(highestScripted, 100);
	EXPECT_GT(alien(0)->getY(), highestScripted);
	EXPECT_LE(alien(4)->getX(), 400 + 6);
	EXPECT_GE(alien(5)->getX(), 540 - 6);
}

TEST_F(AlienTest, WideSweeperEscapingOffTheRightExplodesAtTheLeftEdge)
{
	StateLevel* level = enterScripted({row(1, 50, 5)});
	while (!alien(0)->isDying())
		harness.step();
	EXPECT_EQ(0, alien(0)->getX());
	EXPECT_EQ(622, alien(0)->getY());
	EXPECT_EQ(2, level->getLives());
	EXPECT_EQ(-5, level->getScore());
}

TEST_F(AlienTest, LaserHitsOnlyNearTheAliensBottomEdge)
{
	enterScripted({});
	int counters[3] = {3, 0, 0};
	ProbeAlien probe(&engine, 400, 300, 1, counters);

	Laser* laser = placeLaser(400 + alienW / 2, 300 + alienH / 2 - 1);
	probe.checkLaserHit();
	EXPECT_FALSE(probe.isDying()) << "the alien's upper half is no hit";
	EXPECT_FALSE(laser->isHit());

	laser = placeLaser(400 + alienW / 2, 300 + alienH);
	probe.checkLaserHit();
	EXPECT_TRUE(probe.isDying());
	EXPECT_TRUE(laser->isHit());
	EXPECT_EQ(405, probe.getX()) << "knocked back along its direction";
}

TEST_F(AlienTest, ShotAlienScores48TimesItsPointsThenLeavesTheList)
{
	// A diagonal alien drifting into the path of a laser fired from the ship at x 450.
	StateLevel* level = enterScripted({row(430, 300, 6, 0, 15)});
	const int entriesBefore = engine.getObjectCount();
	harness.tapKey(SDLK_SPACE);
	int guard = 0;
	while (!alien(0)->isDying() && ++guard < 100)
		harness.step();
	ASSERT_TRUE(alien(0)->isDying());
	EXPECT_EQ(3, level->getLives());
	ticks(47);
	EXPECT_EQ(720, level->getScore());
	EXPECT_EQ(1, level->getKilled());
	EXPECT_EQ(entriesBefore - 1, engine.getObjectCount());
	EXPECT_EQ(nullptr, engine.getObjectAt(StateLevel::laserSlot)) << "the laser went in its next update";
}

TEST_F(AlienTest, EscapedAlienCostsALifeAndFivePointsAndCountsAsKilled)
{
	StateLevel* level = enterScripted({row(500, 600, 6)});
	while (!alien(0)->isDying())
		harness.step();
	EXPECT_EQ(2, level->getLives());
	EXPECT_EQ(-5, level->getScore());
	EXPECT_EQ(0, level->getKilled());
	ticks(48);
	EXPECT_EQ(-5, level->getScore()) << "an escaped alien scores nothing while it explodes";
	EXPECT_EQ(1, level->getKilled());
	EXPECT_FALSE(engine.getObjectAt(StateLevel::firstLifeIconSlot + 2)->isVisible());
	EXPECT_TRUE(engine.getObjectAt(StateLevel::firstLifeIconSlot + 1)->isVisible());
}
