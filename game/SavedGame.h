#pragma once
// The game's one saved game: six text lines (level, name, ship, lives, score, "x,y,")
// written from and read into the engine's player data.

#include <cstdio>
#include <string>

class TV4Engine;

class SavedGame
{
public:
	static const char* const defaultFileName;
	// What read() returns when there is no file to read.
	static constexpr int noSavedGame = -1;
	// What read() returns for a file that holds no playable level (nothing was changed).
	static constexpr int nothingLoaded = 0;

	explicit SavedGame(std::string fileName = defaultFileName);

	// Called by the pause screen's save. Saves through FileReplacer: a new file moved into
	// place only when every write worked, so neither a failed save nor another program's save
	// damages the previous one (or, where a new file could not keep what a plain write keeps,
	// the file written in place). Every save that does not happen, a file that cannot be
	// opened for writing too, prints "Unable to save the game: " with the step that failed,
	// the file and the reason. True when the file was written.
	bool write(const TV4Engine& engine) const;
	// Reads and checks the whole file before changing anything: the saved level (1 to 3)
	// with the engine's player data replaced, noSavedGame, or nothingLoaded (also for a
	// file too large to be a saved game, which is read no further than that).
	int read(TV4Engine& engine) const;

	const std::string& getFileName() const { return m_fileName; }

private:
	struct Contents;

	bool parse(const std::string& text, Contents& contents) const;
	static void writeLines(std::FILE* file, const TV4Engine& engine);
	static void apply(const Contents& contents, TV4Engine& engine);

	std::string m_fileName;
};
