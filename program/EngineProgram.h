#pragma once
// The life of a program built around one engine, shared by the game and the sample
// launcher so that both start and end the same way.

class BaseEngine;

namespace EngineProgram
{
const int windowWidth = 1000;
const int windowHeight = 700;

// Seeds the standard random generator from the clock. Engines draw random numbers as
// they are constructed, so this comes first.
void seedRandomNumbers();

// Initialises the engine with the title, the window size and the default font, runs its
// main loop unless that failed, and de-initialises it. Returns initialise's result when
// it failed, otherwise the main loop's.
int drive(BaseEngine& engine, const char* title);

// Called once the engine is gone: deletes the shared image cache and makes the leak check
// (which ends a sanitizer build that leaked). Returns result.
int finish(int result);

// The whole program: seed, construct Engine, drive it, destroy it, finish.
template <class Engine>
int run(const char* title)
{
	seedRandomNumbers();
	int result = 0;
	{
		Engine engine;
		result = drive(engine, title);
	}
	return finish(result);
}
} // namespace EngineProgram
