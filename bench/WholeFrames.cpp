#include "WholeFrames.h"

#include "BaseEngine.h"
#include "FloorRatio.h"
#include "PlainFloors.h"

void WholeFrames::timeAgainstPresentation(benchmark::State& state, BaseEngine& engine)
{
	FloorRatio ratio;
	for (auto _ : state)
	{
		ratio.timeSubject([&] {
			engine.requestFullRedraw();
			engine.renderFrame();
		});
		ratio.timeFloor([&] { PlainFloors::presentFrame(engine); });
	}
	ratio.report(state);
}
