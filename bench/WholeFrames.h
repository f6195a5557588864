#pragma once
// Whole frames of an engine, each timed alternately with the plain-SDL presentation of the
// same window (PlainFloors::presentFrame).

#include <benchmark/benchmark.h>

class BaseEngine;

class WholeFrames
{
public:
	// Called by a benchmark with its state: every iteration requests a full redraw of the engine
	// and renders it, then presents the floor; reports the ratio (FloorRatio::report).
	static void timeAgainstPresentation(benchmark::State& state, BaseEngine& engine);
};
