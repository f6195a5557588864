// Cost of the engine's frames and pixel writes, each timed alternately with its floor: the
// plain-SDL presentation for frames, a plain bounds-checked store loop for pixel writes.
// Run under SDL_VIDEODRIVER=dummy: its software renderer adds little of its own, so the
// figures show the engine's cost rather than the driver's.

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include "BaseEngine.h"
#include "BenchEngines.h"
#include "DisplayableObject.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "FloorRatio.h"
#include "FontEntry.h"
#include "PassOnFilter.h"
#include "PlainFloors.h"
#include "WholeFrames.h"

namespace
{
const int objectCount = 50;
const int objectSize = 20;
const int blockSide = 500;
const Uint32 blockColour = 0x102030;
const int partialLeft = 450;
const int partialTop = 300;
const int partialSide = 100;
const char* const twentyCharacters = "Twenty chars of text";
const int textX = 100;
const int textY = 100;

// A small square object drawing itself as a rectangle, as simple programs' objects do.
class RectangleObject : public DisplayableObject
{
public:
	RectangleObject(BaseEngine* engine, int x, int y) : DisplayableObject(x, y, engine, objectSize, objectSize, true) {}
	void draw() override
	{
		getEngine()->drawForegroundRectangle(getLeftEdge(), getTopEdge(), getRightEdge() - 1, getBottomEdge() - 1, 0x3366CC);
	}
};

class BenchEngine : public BaseEngine
{
public:
	int createObjects() override
	{
		BaseEngine::createObjects();
		const int width = BenchEngines::windowWidth - objectSize;
		const int height = BenchEngines::windowHeight - objectSize;
		for (int i = 0; i < objectCount; ++i)
			appendObject(new RectangleObject(this, (i * 97) % width, (i * 61) % height));
		return 0;
	}
};

BenchEngine& sharedEngine()
{
	static BenchEngine* engine = static_cast<BenchEngine*>(BenchEngines::start(new BenchEngine()));
	return *engine;
}

void BM_FullFrameWithObjects(benchmark::State& state)
{
	WholeFrames::timeAgainstPresentation(state, sharedEngine());
}
BENCHMARK(BM_FullFrameWithObjects)->Apply(FloorRatio::repeated);

// The floor still presents a whole frame: the texture is always updated whole.
void BM_PartialFrame100x100(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	FloorRatio ratio;
	for (auto _ : state)
	{
		ratio.timeSubject([&] {
			engine.redrawArea(partialLeft, partialTop, partialSide, partialSide);
			engine.renderFrame();
		});
		ratio.timeFloor([&] { PlainFloors::presentFrame(engine); });
	}
	ratio.report(state);
}
BENCHMARK(BM_PartialFrame100x100)->Apply(FloorRatio::repeated);

// Filtered writes over a block, column by column as the primitives write, against the
// plain store loop over the same block.
void writeBlock(benchmark::State& state, FilterPoints* filter)
{
	BenchEngine& engine = sharedEngine();
	PixelSurface* surface = engine.getBackgroundSurface();
	FilterPoints* saved = surface->getFilter();
	surface->setFilter(filter);
	surface->mySDLLockSurface();
	engine.requestFullRedraw();
	FloorRatio ratio;
	for (auto _ : state)
	{
		ratio.timeSubject([&] {
			for (int x = 0; x < blockSide; ++x)
				for (int y = 0; y < blockSide; ++y)
					surface->setPixel(x, y, blockColour);
		});
		ratio.timeFloor([&] { PlainFloors::storeBlock(surface->getSDLSurface(), blockSide, blockColour); });
	}
	surface->mySDLUnlockSurface();
	surface->setFilter(saved);
	ratio.report(state, blockSide * blockSide, blockSide * blockSide);
}

void BM_PixelWritesNoFilter(benchmark::State& state)
{
	writeBlock(state, nullptr);
}
BENCHMARK(BM_PixelWritesNoFilter)->Apply(FloorRatio::repeated);

void BM_PixelWritesEngineFilter(benchmark::State& state)
{
	writeBlock(state, sharedEngine().getEngineFilter());
}
BENCHMARK(BM_PixelWritesEngineFilter)->Apply(FloorRatio::repeated);

// The levels' chain: scroll, then zoom at 1:1, then the engine's clipping.
void BM_PixelWritesScalingAndTranslation(benchmark::State& state)
{
	FilterPointsScaling scaling(0, 0, sharedEngine().getEngineFilter());
	FilterPointsTranslation translation(3, 3, &scaling);
	writeBlock(state, &translation);
}
BENCHMARK(BM_PixelWritesScalingAndTranslation)->Apply(FloorRatio::repeated);

// Not the framework: chains of filters that only pass the point on, against the plain store
// loop. A chain of one and of three (as the levels' scroll, zoom and clip) shows what the
// calls alone cost beside the store.
void BM_PixelWritesBareFilterCalls(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	SDL_Surface* surface = engine.getBackgroundSurface()->getSDLSurface();
	PassOnFilter last(nullptr, BenchEngines::windowWidth, BenchEngines::windowHeight);
	PassOnFilter middle(&last, 0, 0);
	PassOnFilter first(&middle, 0, 0);
	FilterPoints& chain = state.range(0) == 1 ? static_cast<FilterPoints&>(last) : first;
	FloorRatio ratio;
	for (auto _ : state)
	{
		ratio.timeSubject([&] { PlainFloors::storeBlockThroughCalls(surface, blockSide, blockColour, chain); });
		ratio.timeFloor([&] { PlainFloors::storeBlock(surface, blockSide, blockColour); });
	}
	ratio.report(state, blockSide * blockSide, blockSide * blockSide);
}
BENCHMARK(BM_PixelWritesBareFilterCalls)->Arg(1)->Arg(3)->Apply(FloorRatio::repeated);

// The floor renders the same text with SDL_ttf and blits it.
void BM_DrawString20Characters(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	PixelSurface* surface = engine.getBackgroundSurface();
	FontEntry* font = engine.getDefaultFont();
	engine.requestFullRedraw();
	FloorRatio ratio;
	for (auto _ : state)
	{
		surface->mySDLLockSurface();
		ratio.timeSubject([&] { surface->drawString(textX, textY, twentyCharacters, 0xFFFFFF, font); });
		surface->mySDLUnlockSurface();
		ratio.timeFloor([&] {
			SDL_Surface* text = TTF_RenderText_Solid(font->getTTFFont(), twentyCharacters, SDL_Color{0xFF, 0xFF, 0xFF, 0});
			SDL_Rect where{textX, textY, 0, 0};
			SDL_BlitSurface(text, nullptr, surface->getSDLSurface(), &where);
			SDL_FreeSurface(text);
		});
	}
	ratio.report(state);
}
BENCHMARK(BM_DrawString20Characters)->Apply(FloorRatio::repeated);
} // namespace
