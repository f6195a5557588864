// Cost of the engine's frames and pixel writes, beside the plain-SDL floor for the same work.
// Run under SDL_VIDEODRIVER=dummy: its software renderer adds little of its own, so the
// figures show the engine's cost rather than the driver's.

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"

namespace
{
const int windowWidth = 1000;
const int windowHeight = 700;
const int objectCount = 50;
const int objectSize = 20;

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
		for (int i = 0; i < objectCount; ++i)
			appendObject(new RectangleObject(this, (i * 97) % (windowWidth - objectSize), (i * 61) % (windowHeight - objectSize)));
		return 0;
	}
};

BenchEngine* benchEngine = nullptr;

// Registered after initialise, so it runs before the engine's own exit handlers shut SDL down.
void destroyBenchEngine()
{
	delete benchEngine;
	benchEngine = nullptr;
}

// One engine for the whole run: SDL keeps one video subsystem per process.
BenchEngine& sharedEngine()
{
	if (benchEngine == nullptr)
	{
		setenv("SDL_VIDEODRIVER", "dummy", 0);
		setenv("SDL_AUDIODRIVER", "dummy", 0);
		BaseEngine::setFirstPressRuleArmed(false);
		benchEngine = new BenchEngine();
		if (benchEngine->initialise("bench", windowWidth, windowHeight, "Cornerstone Regular.ttf", 24) != 0)
			std::abort();
		std::atexit(destroyBenchEngine);
	}
	return *benchEngine;
}

void BM_FullFrameWithObjects(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	for (auto _ : state)
	{
		engine.requestFullRedraw();
		engine.renderFrame();
	}
	state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullFrameWithObjects)->Unit(benchmark::kMicrosecond);

// The floor: the same frame made with SDL alone (copy, upload, present), no objects.
void BM_PlainSdlFrameFloor(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	SDL_Surface* background = engine.getBackgroundSurface()->getSDLSurface();
	SDL_Surface* foreground = engine.getForegroundSurface()->getSDLSurface();
	for (auto _ : state)
	{
		SDL_BlitSurface(background, nullptr, foreground, nullptr);
		SDL_UpdateTexture(engine.getTexture(), nullptr, foreground->pixels, foreground->pitch);
		SDL_RenderCopy(engine.getRenderer(), engine.getTexture(), nullptr, nullptr);
		SDL_RenderPresent(engine.getRenderer());
	}
	state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainSdlFrameFloor)->Unit(benchmark::kMicrosecond);

void BM_PartialFrame100x100(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	for (auto _ : state)
	{
		engine.redrawArea(450, 300, 100, 100);
		engine.renderFrame();
	}
}
BENCHMARK(BM_PartialFrame100x100)->Unit(benchmark::kMicrosecond);

// Per-pixel writes over a 500 x 500 block through the given filter.
void writeBlock(benchmark::State& state, FilterPoints* filter)
{
	BenchEngine& engine = sharedEngine();
	PixelSurface* surface = engine.getBackgroundSurface();
	FilterPoints* saved = surface->getFilter();
	surface->setFilter(filter);
	surface->mySDLLockSurface();
	engine.requestFullRedraw();
	const int side = 500;
	for (auto _ : state)
		for (int x = 0; x < side; ++x)
			for (int y = 0; y < side; ++y)
				surface->setPixel(x, y, 0x102030);
	surface->mySDLUnlockSurface();
	surface->setFilter(saved);
	state.SetItemsProcessed(state.iterations() * side * side);
}

void BM_PixelWritesNoFilter(benchmark::State& state)
{
	writeBlock(state, nullptr);
}
BENCHMARK(BM_PixelWritesNoFilter);

void BM_PixelWritesEngineFilter(benchmark::State& state)
{
	writeBlock(state, sharedEngine().getEngineFilter());
}
BENCHMARK(BM_PixelWritesEngineFilter);

// Zoom is 1:1 so every virtual pixel still makes one screen pixel.
void BM_PixelWritesScalingAndTranslation(benchmark::State& state)
{
	FilterPointsScaling scaling(0, 0, sharedEngine().getEngineFilter());
	FilterPointsTranslation translation(3, 3, &scaling);
	writeBlock(state, &translation);
}
BENCHMARK(BM_PixelWritesScalingAndTranslation);

void BM_DrawString20Characters(benchmark::State& state)
{
	BenchEngine& engine = sharedEngine();
	PixelSurface* surface = engine.getBackgroundSurface();
	surface->mySDLLockSurface();
	engine.requestFullRedraw();
	for (auto _ : state)
		surface->drawString(100, 100, "Twenty chars of text", 0xFFFFFF, engine.getDefaultFont());
	surface->mySDLUnlockSurface();
}
BENCHMARK(BM_DrawString20Characters)->Unit(benchmark::kMicrosecond);
}
