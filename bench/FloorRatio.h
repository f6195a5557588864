#pragma once
// Times a piece of work and its floor (plain SDL or plain C++ doing the same work)
// alternately within one run, so both see the same machine load, and reports their ratio.
// Benchmarks using it repeat several times and report medians.

#include <benchmark/benchmark.h>

#include <chrono>

class FloorRatio
{
public:
	template <typename Work>
	void timeSubject(Work&& work)
	{
		m_subjectSeconds += secondsFor(work);
	}
	template <typename Work>
	void timeFloor(Work&& work)
	{
		m_floorSeconds += secondsFor(work);
	}

	// Counters: "ratio" (subject time over floor time), the time of each per iteration, and,
	// when pixel counts are given (pixels actually drawn per iteration), the time of each per pixel.
	void report(benchmark::State& state, double subjectPixels = 0, double floorPixels = 0) const;

	// Repetitions with medians: ratios on a loaded machine are noisy.
	static void repeated(benchmark::internal::Benchmark* benchmark);

private:
	template <typename Work>
	static double secondsFor(Work& work)
	{
		const auto start = std::chrono::steady_clock::now();
		work();
		benchmark::ClobberMemory();
		const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
		return elapsed.count();
	}

	double m_subjectSeconds = 0;
	double m_floorSeconds = 0;
};
