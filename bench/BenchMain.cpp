// The benchmark run's entry point: runs the selected benchmarks, then frees every engine
// while SDL is still up (the exit handlers that shut SDL down run after main returns).

#include <benchmark/benchmark.h>

#include "BenchEngines.h"

int main(int argc, char** argv)
{
	BenchEngines::useDummyDrivers();
	benchmark::Initialize(&argc, argv);
	if (benchmark::ReportUnrecognizedArguments(argc, argv))
		return 1;
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	BenchEngines::releaseAll();
	return 0;
}
