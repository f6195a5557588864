// Cost of a level 1 frame of the game (asteroids turning through their mappings, ship,
// icons, score, every alien shown, whole-window redraw), beside the plain-SDL floor for
// the same window: copy, upload, present. Run under SDL_VIDEODRIVER=dummy.

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>

#include "Alien.h"
#include "StateLevel1.h"
#include "TV4Engine.h"

namespace
{
const int windowWidth = 1000;
const int windowHeight = 700;
const int floorSampleFrames = 200;

TV4Engine* s_levelEngine = nullptr;

// Shuts the engine down as the program does, while SDL is still up: registered after the
// engine's own exit handlers, so it runs before them.
void releaseLevelEngine()
{
	s_levelEngine->deinitialise();
	delete s_levelEngine;
	s_levelEngine = nullptr;
}

// The game's engine with level 1 current, every alien shown as if all had entered play.
TV4Engine& levelEngine()
{
	if (s_levelEngine == nullptr)
	{
		setenv("SDL_VIDEODRIVER", "dummy", 0);
		setenv("SDL_AUDIODRIVER", "dummy", 0);
		s_levelEngine = new TV4Engine();
		if (s_levelEngine->initialise("bench", windowWidth, windowHeight, "Cornerstone Regular.ttf", 24) != 0)
			std::abort();
		std::atexit(releaseLevelEngine);
		s_levelEngine->changeState(new StateLevel1(s_levelEngine), TV4Engine::redrawObjectsThenBackground,
			TV4Engine::noTrack, true);
		for (int i = 0; i < s_levelEngine->getObjectCount(); ++i)
			if (Alien* alien = dynamic_cast<Alien*>(s_levelEngine->getObjectAt(i)))
				alien->setVisible(true);
	}
	return *s_levelEngine;
}

void plainSdlFrame(TV4Engine& engine)
{
	SDL_Surface* background = engine.getBackgroundSurface()->getSDLSurface();
	SDL_Surface* foreground = engine.getForegroundSurface()->getSDLSurface();
	SDL_BlitSurface(background, nullptr, foreground, nullptr);
	SDL_UpdateTexture(engine.getTexture(), nullptr, foreground->pixels, foreground->pitch);
	SDL_RenderCopy(engine.getRenderer(), engine.getTexture(), nullptr, nullptr);
	SDL_RenderPresent(engine.getRenderer());
}

double plainSdlFrameSeconds(TV4Engine& engine)
{
	const auto start = std::chrono::steady_clock::now();
	for (int i = 0; i < floorSampleFrames; ++i)
		plainSdlFrame(engine);
	const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
	return elapsed.count() / floorSampleFrames;
}

// A level frame as the level makes it each tick: turn the asteroids, then redraw it all.
void BM_Level1Frame(benchmark::State& state)
{
	TV4Engine& engine = levelEngine();
	StateLevel* level = dynamic_cast<StateLevel*>(engine.getCurrentState());
	double angle = 0;
	const auto start = std::chrono::steady_clock::now();
	for (auto _ : state)
	{
		angle += 0.01;
		level->getRotation(0)->setRotation(angle);
		level->getRotation(1)->setRotation(-2 * angle);
		level->getRotation(2)->setRotation(-4 * angle / 3);
		engine.requestFullRedraw();
		engine.renderFrame();
	}
	const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
	const double frameSeconds = elapsed.count() / static_cast<double>(state.iterations());
	state.counters["vs_plain_sdl_floor"] = frameSeconds / plainSdlFrameSeconds(engine);
	state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Level1Frame)->Unit(benchmark::kMicrosecond);

void BM_GamePlainSdlFrameFloor(benchmark::State& state)
{
	TV4Engine& engine = levelEngine();
	for (auto _ : state)
		plainSdlFrame(engine);
	state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GamePlainSdlFrameFloor)->Unit(benchmark::kMicrosecond);
} // namespace
