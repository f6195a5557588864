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

	// Writes beside the file first and moves it into place only when every write worked,
	// so a failed save never destroys the previous one. True when the file was written.
	bool write(const TV4Engine& engine) const;
	// Reads and checks the whole file before changing anything: the saved level (1 to 3)
	// with the engine's player data replaced, noSavedGame, or nothingLoaded.
	int read(TV4Engine& engine) const;

	const std::string& getFileName() const { return m_fileName; }

private:
	struct Contents;

	bool parse(std::FILE* file, Contents& contents) const;
	static void apply(const Contents& contents, TV4Engine& engine);

	std::string m_fileName;
};
