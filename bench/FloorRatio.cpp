#include "FloorRatio.h"

namespace
{
const int repetitions = 5;
const double microsecondsPerSecond = 1e6;
const double nanosecondsPerSecond = 1e9;
} // namespace

void FloorRatio::report(benchmark::State& state, double subjectPixels, double floorPixels) const
{
	const double iterations = static_cast<double>(state.iterations());
	if (iterations <= 0 || m_floorSeconds <= 0)
		return;
	state.counters["ratio"] = m_subjectSeconds / m_floorSeconds;
	state.counters["us"] = m_subjectSeconds * microsecondsPerSecond / iterations;
	state.counters["floor_us"] = m_floorSeconds * microsecondsPerSecond / iterations;
	if (subjectPixels > 0)
		state.counters["ns_per_px"] = m_subjectSeconds * nanosecondsPerSecond / (iterations * subjectPixels);
	if (floorPixels > 0)
		state.counters["floor_ns_per_px"] = m_floorSeconds * nanosecondsPerSecond / (iterations * floorPixels);
}

void FloorRatio::repeated(benchmark::internal::Benchmark* benchmark)
{
	benchmark->Repetitions(repetitions)->ReportAggregatesOnly(true);
}
