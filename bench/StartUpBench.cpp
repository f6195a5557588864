// Time from constructing the game's engine to its first menu frame on the window:
// initialisation (SDL, fonts, window, surfaces, the menu's background and objects) and
// one pass of the loop. Only a fresh process shows the real figure (SDL and the image
// cache start cold), so run it alone: benchmarks --benchmark_filter=StartUp

#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchEngines.h"
#include "TV4Engine.h"

namespace
{
const double millisecondsPerSecond = 1e3;

void BM_StartUpToFirstMenuFrame(benchmark::State& state)
{
	for (auto _ : state)
	{
		const auto start = std::chrono::steady_clock::now();
		TV4Engine* engine = new TV4Engine();
		BenchEngines::start(engine);
		engine->runLoopIteration();
		const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
		state.counters["ms"] = elapsed.count() * millisecondsPerSecond;
	}
}
BENCHMARK(BM_StartUpToFirstMenuFrame)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace
