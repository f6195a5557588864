// Cost of a level 1 frame of the game as in play: every pass of the engine's loop runs the
// level's update (asteroids turning, aliens entering and moving, score, icons) and redraws
// the whole window; the floor is the plain-SDL presentation of the same window, timed
// alternately with it. Every repetition plays the level from its start.

#include <benchmark/benchmark.h>

#include "BenchEngines.h"
#include "FloorRatio.h"
#include "PlainFloors.h"
#include "StateLevel1.h"
#include "TV4Engine.h"

namespace
{
// Ten seconds of game time: the first eight aliens enter and move down.
const int passesPerPlay = 1000;
const int passMilliseconds = 10;
const int startingLives = 3;

int s_clock = 0;

TV4Engine& gameEngine()
{
	static TV4Engine* engine = nullptr;
	if (engine == nullptr)
	{
		engine = new TV4Engine();
		engine->setTickSource([] { return s_clock; });
		BenchEngines::start(engine);
	}
	return *engine;
}

void enterLevel1(TV4Engine& engine)
{
	engine.setScoreAndLives(0, startingLives);
	engine.changeState(new StateLevel1(&engine), TV4Engine::redrawObjectsThenBackground, TV4Engine::noTrack, true);
}

void BM_Level1Frame(benchmark::State& state)
{
	TV4Engine& engine = gameEngine();
	enterLevel1(engine);
	FloorRatio ratio;
	for (auto _ : state)
	{
		// Should the level end early (game over), play it again, untimed.
		if (dynamic_cast<StateLevel1*>(engine.getCurrentState()) == nullptr)
			enterLevel1(engine);
		s_clock += passMilliseconds;
		ratio.timeSubject([&] { engine.runLoopIteration(); });
		ratio.timeFloor([&] { PlainFloors::presentFrame(engine); });
	}
	ratio.report(state);
}
BENCHMARK(BM_Level1Frame)->Iterations(passesPerPlay)->Apply(FloorRatio::repeated);
} // namespace
