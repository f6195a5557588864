// Cost of a whole frame of the zoom sample after a number of wheel steps in (0: 1:1), timed
// alternately with the plain-SDL presentation of the same window. A deep zoom shows a few
// virtual pixels as large blocks, so its frame should cost about what a 1:1 frame costs.
// Run under SDL_VIDEODRIVER=dummy.

#include <benchmark/benchmark.h>

#include "BenchEngines.h"
#include "FloorRatio.h"
#include "WholeFrames.h"
#include "zoompan/ZoomPanDemo.h"

namespace
{
const int wheelStepIn = 1;

ZoomPanDemo& zoomEngine()
{
	static ZoomPanDemo* engine = static_cast<ZoomPanDemo*>(BenchEngines::start(new ZoomPanDemo()));
	return *engine;
}

// From 1:1, the given number of wheel steps in, each as the sample takes it.
void zoomInSteps(ZoomPanDemo& engine, int steps)
{
	engine.getScaling().setFactors(0, 0);
	for (int i = 0; i < steps; ++i)
		engine.onMouseWheel(0, wheelStepIn, 0, 0);
}

void BM_ZoomSampleFrameAfterWheelSteps(benchmark::State& state)
{
	ZoomPanDemo& engine = zoomEngine();
	zoomInSteps(engine, static_cast<int>(state.range(0)));
	WholeFrames::timeAgainstPresentation(state, engine);
}
BENCHMARK(BM_ZoomSampleFrameAfterWheelSteps)->Arg(0)->Arg(200)->Arg(2000)->Apply(FloorRatio::repeated);
} // namespace
