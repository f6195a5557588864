#include "SavedGame.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Diagnostics.h"
#include "FileReplacer.h"
#include "StreamReading.h"
#include "TV4Engine.h"

namespace
{
	const int firstLevel = 1;
	const int lastLevel = 3;
	const int firstShip = 0;
	const int lastShip = 2;
	// The lines the writer puts out and the reader takes; anything after them is not read.
	const int savedLines = 6;
	// The longest the writer makes a line (line end aside) is the position line: two ints
	// of up to 11 characters ("-2147483648"), each followed by a comma. A longer line was
	// not written by the game, and no part of it is taken for a value.
	const size_t longestNumber = 11;
	const size_t maxLineLength = 2 * (longestNumber + 1);

	// The line of the text that starts at position, without its line end (LF, CR LF, or the
	// CR CR LF of a file converted twice); position moves to the next line. False at the end
	// of the text.
	bool nextLine(const std::string& text, size_t& position, std::string& line)
	{
		if (position >= text.size())
			return false;
		size_t end = text.find('\n', position);
		if (end == std::string::npos)
			end = text.size();
		line = text.substr(position, end - position);
		position = end + 1;
		while (!line.empty() && line.back() == '\r')
			line.pop_back();
		return true;
	}

	// The name the line holds as the engine keeps it: cut at a NUL and to the name's length,
	// then without the CRs that end it. A CR left last by the cut would be written back
	// before the line end and dropped by the next read, so the name would change each time.
	std::string playerName(const std::string& line)
	{
		std::string name = line.substr(0, line.find('\0')).substr(0, TV4Engine::playerNameLength);
		while (!name.empty() && name.back() == '\r')
			name.pop_back();
		return name;
	}

	// False when a line the reader takes is longer than any the writer makes.
	bool linesFitTheWriter(const std::string& text)
	{
		size_t next = 0;
		std::string line;
		for (int count = 0; count < savedLines && nextLine(text, next, line); ++count)
			if (line.size() > maxLineLength)
				return false;
		return true;
	}

	// The step a failed save names in its message.
	const char* failedStep(FileReplacer::Outcome outcome)
	{
		switch (outcome)
		{
		case FileReplacer::Outcome::cannotCreate:
			return "cannot create";
		case FileReplacer::Outcome::cannotWrite:
			return "cannot write";
		case FileReplacer::Outcome::busy:
			return "cannot lock";
		case FileReplacer::Outcome::notWritable:
			return "cannot open";
		default:
			return "cannot replace";
		}
	}

	// A file that opens but is no regular file (a device, a pipe) has no errno value to tell.
	const char* failureReason(int error)
	{
		return error != 0 ? std::strerror(error) : "not a regular file";
	}

	void reportSaveFailure(const char* what, const std::string& fileName, int error)
	{
		diagnosticPrintf("Unable to save the game: %s %s (%s)\n", what, fileName.c_str(), failureReason(error));
	}

	bool isBlank(char c)
	{
		return c == ' ' || c == '\t' || c == '\r';
	}

	// A whole decimal int in the text (blanks around it allowed), within [low, high].
	bool parseInt(const std::string& text, int low, int high, int& value)
	{
		size_t begin = 0;
		size_t end = text.size();
		while (begin < end && isBlank(text[begin]))
			++begin;
		while (end > begin && isBlank(text[end - 1]))
			--end;
		const std::string number = text.substr(begin, end - begin);
		if (number.empty())
			return false;
		char* stop = nullptr;
		errno = 0;
		const long parsed = std::strtol(number.c_str(), &stop, 10);
		if (errno == ERANGE || stop != number.c_str() + number.size())
			return false;
		if (parsed < low || parsed > high)
			return false;
		value = static_cast<int>(parsed);
		return true;
	}

	// The comma-separated values of a line, empty ones skipped.
	std::vector<std::string> splitAtCommas(const std::string& line)
	{
		std::vector<std::string> values;
		std::string current;
		for (char c : line + ",")
		{
			if (c != ',')
			{
				current.push_back(c);
				continue;
			}
			if (current.find_first_not_of(" \t\r") != std::string::npos)
				values.push_back(current);
			current.clear();
		}
		return values;
	}
}

const char* const SavedGame::defaultFileName = "TV4StarhollowSaveGame.txt";

// Every field of the file, each with whether its line was there.
struct SavedGame::Contents
{
	bool hasLevel = false;
	int level = 0;
	bool hasName = false;
	std::string name;
	bool hasShip = false;
	int ship = 0;
	bool hasLives = false;
	int lives = 0;
	bool hasScore = false;
	int score = 0;
	bool hasShipX = false;
	int shipX = 0;
	bool hasShipY = false;
	int shipY = 0;
};

SavedGame::SavedGame(std::string fileName)
	: m_fileName(std::move(fileName))
{
}

bool SavedGame::write(const TV4Engine& engine) const
{
	FileReplacer replacer(m_fileName);
	const FileReplacer::Outcome outcome = replacer.replace([&engine](std::FILE* file) { writeLines(file, engine); });
	if (outcome == FileReplacer::Outcome::replaced)
		return true;
	reportSaveFailure(failedStep(outcome), replacer.getFailedPath(), replacer.getError());
	return false;
}

void SavedGame::writeLines(std::FILE* file, const TV4Engine& engine)
{
	std::fprintf(file, "%d\n", engine.getLevel());
	std::fprintf(file, "%s\n", engine.getPlayerName());
	std::fprintf(file, "%d\n", engine.getShipIndex());
	std::fprintf(file, "%d\n", engine.getLives());
	std::fprintf(file, "%d\n", engine.getScore());
	std::fprintf(file, "%d,%d,\n", engine.getShipX(), engine.getShipY());
}

int SavedGame::read(TV4Engine& engine) const
{
	const PathKind kind = pathKind(m_fileName);
	if (kind != PathKind::regularFile)
		return kind == PathKind::missing ? noSavedGame : nothingLoaded;
	std::FILE* file = std::fopen(m_fileName.c_str(), "r");
	if (file == nullptr)
		return noSavedGame;
	std::string text;
	const bool complete = readWholeStream(file, maxSavedStateSize, text);
	std::fclose(file);
	Contents contents;
	const bool valid = complete && parse(text, contents);
	if (!valid || !contents.hasLevel || contents.level < firstLevel || contents.level > lastLevel)
		return nothingLoaded;
	apply(contents, engine);
	return contents.level;
}

// False when a line that is there does not hold what it must.
bool SavedGame::parse(const std::string& text, Contents& contents) const
{
	if (!linesFitTheWriter(text))
		return false;
	size_t next = 0;
	std::string line;
	if (!nextLine(text, next, line))
		return true;
	contents.hasLevel = true;
	if (!parseInt(line, INT_MIN, INT_MAX, contents.level))
		return false;

	if (!nextLine(text, next, line))
		return true;
	contents.hasName = true;
	contents.name = playerName(line);

	struct NumberLine
	{
		bool* present;
		int* value;
		int low;
		int high;
	};
	const NumberLine numberLines[] = {
		{ &contents.hasShip, &contents.ship, firstShip, lastShip },
		{ &contents.hasLives, &contents.lives, INT_MIN, INT_MAX },
		{ &contents.hasScore, &contents.score, INT_MIN, INT_MAX },
	};
	for (const NumberLine& numberLine : numberLines)
	{
		if (!nextLine(text, next, line))
			return true;
		*numberLine.present = true;
		if (!parseInt(line, numberLine.low, numberLine.high, *numberLine.value))
			return false;
	}

	if (!nextLine(text, next, line))
		return true;
	const std::vector<std::string> position = splitAtCommas(line);
	if (position.size() > 0)
	{
		contents.hasShipX = true;
		if (!parseInt(position[0], INT_MIN, INT_MAX, contents.shipX))
			return false;
	}
	if (position.size() > 1)
	{
		contents.hasShipY = true;
		if (!parseInt(position[1], INT_MIN, INT_MAX, contents.shipY))
			return false;
	}
	return true;
}

void SavedGame::apply(const Contents& contents, TV4Engine& engine)
{
	if (contents.hasName)
		engine.setPlayerName(contents.name.c_str());
	if (contents.hasShip)
		engine.setShipIndex(contents.ship);
	if (contents.hasLives)
		engine.setLives(contents.lives);
	if (contents.hasScore)
		engine.setScore(contents.score);
	engine.setShipPosition(contents.hasShipX ? contents.shipX : engine.getShipX(),
		contents.hasShipY ? contents.shipY : engine.getShipY());
}
