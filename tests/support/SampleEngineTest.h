#pragma once
// Fixture base for the sample engines' tests: the engine under a test harness, the random
// generator seeded so random backgrounds repeat, initialised headless before each test and
// de-initialised after it.

#include <gtest/gtest.h>

#include <cstdlib>

#include "EngineHarness.h"

template <typename Engine>
class SampleEngineTest : public ::testing::Test
{
protected:
	// firstPass: run one loop pass after initialising, so the first frame is drawn.
	SampleEngineTest(unsigned int seed, bool firstPass, int startTime = 1000)
		: harness(engine, startTime), m_seed(seed), m_firstPass(firstPass)
	{
	}

	void SetUp() override
	{
		srand(m_seed);
		ASSERT_EQ(0, initialiseEngine());
		if (m_firstPass)
			harness.step();
	}
	void TearDown() override { engine.deinitialise(); }

	// Fixtures that watch the initialisation itself (its printed output) wrap this.
	virtual int initialiseEngine() { return harness.initialise(); }

	Engine engine;
	EngineHarness harness;

private:
	unsigned int m_seed;
	bool m_firstPass;
};
