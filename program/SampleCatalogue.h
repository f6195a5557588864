#pragma once
// The sample programs the launcher can start: each one's short name, what it shows, and
// the whole program that runs its engine.

#include <cstdio>
#include <vector>

struct SampleProgram
{
	const char* name;
	const char* description;
	// Runs the sample as a program of its own in a window with this title; its exit status.
	int (*run)(const char* title);
};

class SampleCatalogue
{
public:
	// Every sample, in the order they are listed.
	static const std::vector<SampleProgram>& all();
	// The sample with this short name, or null.
	static const SampleProgram* find(const char* name);
	// One sample a line: its name, then its description.
	static void print(std::FILE* stream);
};
