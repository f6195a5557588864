#pragma once
// The engines of one benchmark run: started headless, owned by the run, and shut down and
// freed by the run's own main() while SDL is still up, so the run ends cleanly whatever an
// engine leaves for the process's exit handlers.

class BaseEngine;

class BenchEngines
{
public:
	// Dummy video (SDL's software renderer) and dummy audio, unless chosen outside already.
	static void useDummyDrivers();
	// Initialises the engine with the program's window and default font (aborting the run
	// when that fails) and takes it over; returns it for convenience.
	static BaseEngine* start(BaseEngine* engine);
	// Shuts every engine down and frees it (last started first), then the image cache.
	static void releaseAll();

	static const int windowWidth = 1000;
	static const int windowHeight = 700;
};
