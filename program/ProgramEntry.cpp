// The game's entry point: runs the game's engine in a 1000 x 700 window.

#include <SDL.h>

#include <cstdio>

#include "EngineProgram.h"
#include "TV4Engine.h"

int main(int argc, char** argv)
{
	(void)argc;
	(void)argv;
	char title[1024];
	std::snprintf(title, sizeof(title), "C++ Tolvane Framework Program : Size %d x %d", EngineProgram::windowWidth,
		EngineProgram::windowHeight);
	return EngineProgram::run<TV4Engine>(title);
}
