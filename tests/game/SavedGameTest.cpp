#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "EndlessFifo.h"
#include "EngineHarness.h"
#include "SaverChecks.h"
#include "SavedGame.h"
#include "TV4Engine.h"

namespace
{
	namespace fs = std::filesystem;

	// The engine's player data as one comparable value.
	struct PlayerData
	{
		std::string name;
		int ship, lives, score, shipX, shipY;
		bool operator==(const PlayerData& other) const
		{
			return name == other.name && ship == other.ship && lives == other.lives && score == other.score
				&& shipX == other.shipX && shipY == other.shipY;
		}
	};

	std::ostream& operator<<(std::ostream& out, const PlayerData& data)
	{
		return out << data.name << " ship " << data.ship << " lives " << data.lives << " score " << data.score
			<< " at " << data.shipX << "," << data.shipY;
	}

	class SavedGameTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			useHeadlessDrivers();
			char pattern[] = "/tmp/tv4save-XXXXXX";
			ASSERT_NE(mkdtemp(pattern), nullptr);
			m_directory = pattern;
			m_file = m_directory + "/TV4StarhollowSaveGame.txt";
			m_engine = std::make_unique<TV4Engine>();
			m_engine->setPlayerDetails("Keep", 2);
			m_engine->setScoreAndLives(77, 4);
			m_engine->setShipPosition(123, 456);
		}

		void TearDown() override
		{
			m_engine->deinitialise();
			std::error_code ignored;
			fs::remove_all(m_directory, ignored);
		}

		void writeFile(const std::string& contents)
		{
			std::ofstream file(m_file, std::ios::binary | std::ios::trunc);
			file << contents;
		}

		std::string readFile()
		{
			std::ifstream file(m_file, std::ios::binary);
			std::ostringstream contents;
			contents << file.rdbuf();
			return contents.str();
		}

		int load(const std::string& contents)
		{
			writeFile(contents);
			return SavedGame(m_file).read(*m_engine);
		}

		PlayerData player()
		{
			return { m_engine->getPlayerName(), m_engine->getShipIndex(), m_engine->getLives(), m_engine->getScore(),
				m_engine->getShipX(), m_engine->getShipY() };
		}

		const PlayerData m_kept{ "Keep", 2, 4, 77, 123, 456 };
		std::string m_directory;
		std::string m_file;
		std::unique_ptr<TV4Engine> m_engine;
	};
}

TEST_F(SavedGameTest, WritesTheSixLinesAndReadsThemBack)
{
	m_engine->setLevel(2);
	m_engine->setScoreAndLives(-5, 1);
	ASSERT_TRUE(SavedGame(m_file).write(*m_engine));
	EXPECT_EQ(readFile(), "2\nKeep\n2\n1\n-5\n123,456,\n");
	EXPECT_FALSE(fs::exists(m_file + ".tmp"));

	m_engine->setPlayerDetails("Other", 0);
	m_engine->setScoreAndLives(0, 3);
	m_engine->setShipPosition(0, 0);
	EXPECT_EQ(SavedGame(m_file).read(*m_engine), 2);
	EXPECT_EQ(player(), (PlayerData{ "Keep", 2, 1, -5, 123, 456 }));
	EXPECT_EQ(m_engine->getLevel(), 2) << "loading leaves the engine's level alone";
}

TEST_F(SavedGameTest, FilesWrittenTheUsualWayLoadAsBefore)
{
	EXPECT_EQ(load("1\nbob\n1\n3\n0\n450,594,\n"), 1);
	EXPECT_EQ(player(), (PlayerData{ "bob", 1, 3, 0, 450, 594 }));
	EXPECT_EQ(load("3\r\nAnn\r\n0\r\n2\r\n960\r\n10,20,\r\n"), 3) << "CR LF line ends";
	EXPECT_EQ(player(), (PlayerData{ "Ann", 0, 2, 960, 10, 20 }));
	m_engine->setScoreAndLives(INT_MIN, INT_MIN);
	m_engine->setShipPosition(INT_MIN, INT_MIN);
	ASSERT_TRUE(SavedGame(m_file).write(*m_engine));
	EXPECT_EQ(SavedGame(m_file).read(*m_engine), 1) << "the longest lines the game writes";
	EXPECT_EQ(player(), (PlayerData{ "Ann", 0, INT_MIN, INT_MIN, INT_MIN, INT_MIN }));
}

TEST_F(SavedGameTest, NameOfATwiceConvertedFileLosesItsCarriageReturns)
{
	EXPECT_EQ(load("1\r\r\nZed\r\r\n0\r\r\n2\r\r\n40\r\r\n5,6,\r\r\n"), 1);
	EXPECT_EQ(player(), (PlayerData{ "Zed", 0, 2, 40, 5, 6 }));
}

// Whatever ends up last once the name is cut to its length or at a NUL, one save and load
// gives the name that the next ones keep.
TEST_F(SavedGameTest, NameReadAndWrittenBackReadsTheSame)
{
	for (const std::string& contents : { std::string("1\na\r\0\n", 6), std::string("1\nabcdefghij\rX\n") })
	{
		ASSERT_EQ(load(contents), 1);
		const std::string once = m_engine->getPlayerName();
		ASSERT_TRUE(SavedGame(m_file).write(*m_engine));
		ASSERT_EQ(SavedGame(m_file).read(*m_engine), 1);
		EXPECT_EQ(once, m_engine->getPlayerName()) << contents;
	}
}

TEST_F(SavedGameTest, MissingFileChangesNothing)
{
	EXPECT_EQ(SavedGame(m_file).read(*m_engine), SavedGame::noSavedGame);
	EXPECT_EQ(player(), m_kept);
}

TEST_F(SavedGameTest, NameOnTheLastLineWithoutALineEndLoadsWhole)
{
	EXPECT_EQ(load("2\nJoan"), 2);
	EXPECT_STREQ(m_engine->getPlayerName(), "Joan");
	EXPECT_EQ(player().lives, m_kept.lives) << "missing lines keep their values";
}

TEST_F(SavedGameTest, LongNameIsCutAndDoesNotShiftLaterFields)
{
	EXPECT_EQ(load("1\nabcdefghijklmnopqrst\n0\n2\n40\n5,6,\n"), 1);
	EXPECT_EQ(player(), (PlayerData{ "abcdefghijk", 0, 2, 40, 5, 6 }));
}

TEST_F(SavedGameTest, LevelOnlyFileOpensTheLevelWithPlayerDataUnchanged)
{
	EXPECT_EQ(load("2\n"), 2);
	EXPECT_EQ(player(), m_kept);
}

TEST_F(SavedGameTest, LevelOutsideOneToThreeChangesNothing)
{
	for (const char* contents : { "7\nZed\n0\n1\n1\n1,1,\n", "0\nZed\n", "-1\nZed\n", "", "\n\n" })
	{
		EXPECT_EQ(load(contents), SavedGame::nothingLoaded) << contents;
		EXPECT_EQ(player(), m_kept) << contents;
	}
}

// A damaged number, or a line longer than any the game writes (no cut-off part of it may
// become a value), refuses the whole file.
TEST_F(SavedGameTest, DamagedNumbersAndOverlongLinesRejectTheWholeFile)
{
	const std::string spaces(300, ' ');
	for (const std::string& contents : { std::string("1\nZed\nx\n1\n1\n1,1,\n"), std::string("1\nZed\n0\n99999999999999999999\n1\n"),
		std::string("1\nZed\n5\n"), std::string("1\nZed\n0\n1\n12abc\n"), std::string("1\nZed\n0\n1\n1\n1,y,\n"), std::string("2x\n"),
		"1\nZed\n0\n1\n" + std::string(250, ' ') + "123456789\n1,1,\n", "1\nZed\n0\n1\n1\n" + spaces + "5,6,\n",
		"1" + spaces + "junk\nZed\n", "1\n" + std::string(30, 'n') + "\n0\n" })
	{
		EXPECT_EQ(load(contents), SavedGame::nothingLoaded) << contents;
		EXPECT_EQ(player(), m_kept) << contents;
	}
}

TEST_F(SavedGameTest, ShortPositionLineKeepsWhatIsMissing)
{
	EXPECT_EQ(load("1\nZed\n0\n1\n1\n300\n"), 1);
	EXPECT_EQ(player().shipX, 300);
	EXPECT_EQ(player().shipY, m_kept.shipY);
	EXPECT_EQ(load("1\nZed\n0\n1\n1\n,\n"), 1);
	EXPECT_EQ(player().shipX, 300);
}

// A file that never ends a line, or one larger than any saved game, is refused after a
// bounded read and changes nothing.
TEST_F(SavedGameTest, EndlessOrOversizedFileIsRefusedAfterABoundedRead)
{
	{
		EndlessFifo endless(m_file, "9");
		EXPECT_EQ(SavedGame(m_file).read(*m_engine), SavedGame::nothingLoaded);
		EXPECT_LT(endless.bytesWritten(), size_t(1) << 20);
	}
	EXPECT_EQ(player(), m_kept);
	EXPECT_EQ(load("1\nZed\n0\n1\n1\n1,1,\n" + std::string(64 * 1024, '\n')), SavedGame::nothingLoaded);
	EXPECT_EQ(player(), m_kept);
	// A pipe that nobody writes to is not even opened: opening it would wait for ever.
	fs::remove(m_file);
	ASSERT_EQ(0, mkfifo(m_file.c_str(), 0600));
	EXPECT_EQ(SavedGame(m_file).read(*m_engine), SavedGame::nothingLoaded);
	EXPECT_EQ(player(), m_kept);
	fs::remove(m_file);
}

TEST_F(SavedGameTest, FailedSaveKeepsThePreviousFile)
{
	ASSERT_TRUE(SavedGame(m_file).write(*m_engine));
	const std::string good = readFile();
	m_engine->setScoreAndLives(1, 1);
	bool saved = true;
	saveOnAFullDisk([this, &saved] { saved = SavedGame(m_file).write(*m_engine); });
	EXPECT_FALSE(saved);
	EXPECT_EQ(readFile(), good);
	EXPECT_FALSE(fs::exists(m_file + ".tmp"));
}

TEST_F(SavedGameTest, SaveKeepsWhatAPlainWriteKeeps)
{
	expectSaveKeepsWhatAPlainWriteKeeps(m_file, [this] { SavedGame(m_file).write(*m_engine); },
		"Unable to save the game: cannot open " + m_file + " (Permission denied)\n");
}

TEST_F(SavedGameTest, PipeAtTheTemporaryNameNeitherStopsNorSpoilsTheSave)
{
	expectSaveIgnoresAPipeAtTheTemporaryName(m_file, [this] { SavedGame(m_file).write(*m_engine); });
}

TEST_F(SavedGameTest, RacingOrKilledSaversNeverSpoilTheFile)
{
	expectRacingOrKilledSaversNeverSpoilTheFile(m_file, [this] { SavedGame(m_file).write(*m_engine); });
}

TEST_F(SavedGameTest, SaveOpensNothingToMoreThanTheFile)
{
	expectSaveOpensNothingToMoreThanTheFile(m_file, [this] { SavedGame(m_file).write(*m_engine); });
}

TEST_F(SavedGameTest, SaveWritesThroughAFileMountedOverIt)
{
	expectSaveWritesThroughAFileMountedOverIt(m_file, [this] { SavedGame(m_file).write(*m_engine); });
}

TEST_F(SavedGameTest, SaveLandsInTheOldFilesSpaceOnAFullDisk)
{
	expectSaveLandsInTheOldFilesSpaceOnAFullDisk(m_file, [this] { SavedGame(m_file).write(*m_engine); },
		"Unable to save the game: cannot write " + m_file + " (No space left on device)\n");
}

TEST_F(SavedGameTest, SaveWaitsForALeaseToBeGivenUp)
{
	expectSaveWaitsForALeaseToBeGivenUp(m_file, [this] { SavedGame(m_file).write(*m_engine); });
}

TEST_F(SavedGameTest, SaveWritesPastADirectoryHeldLocked)
{
	expectSaveWritesPastADirectoryHeldLocked(m_file, [this] { SavedGame(m_file).write(*m_engine); });
}

TEST_F(SavedGameTest, SaveIntoAMissingDirectoryFails)
{
	EXPECT_FALSE(SavedGame(m_directory + "/absent/save.txt").write(*m_engine));
}

// Damaged files of every kind: the loader either loads a valid game or changes nothing.
TEST_F(SavedGameTest, DamagedFilesNeverCrashAndLoadAllOrNothing)
{
	const std::string good = "2\nTess\n1\n3\n250\n450,594,\n";
	std::mt19937 random(1234);
	std::vector<std::string> files = { "", "\n", std::string(5000, '9'), std::string(100000, 'a'),
		"1\n" + std::string(3000, 'n') + "\n1\n", std::string("1\0\n\0\0\n", 6), "3\n\n\n\n\n\n\n\n" };
	for (size_t cut = 0; cut <= good.size(); ++cut)
		files.push_back(good.substr(0, cut));
	for (int round = 0; round < 300; ++round)
	{
		std::string damaged = good;
		const int changes = 1 + static_cast<int>(random() % 6);
		for (int change = 0; change < changes; ++change)
			damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
		files.push_back(damaged);
		std::string garbage(random() % 200, '\0');
		for (char& c : garbage)
			c = static_cast<char>(random() % 256);
		files.push_back(garbage);
	}
	for (const std::string& contents : files)
	{
		m_engine->setPlayerDetails("Keep", 2);
		m_engine->setScoreAndLives(77, 4);
		m_engine->setShipPosition(123, 456);
		const int result = load(contents);
		if (result >= 1 && result <= 3)
		{
			EXPECT_LE(std::string(m_engine->getPlayerName()).size(), 11u);
			EXPECT_GE(m_engine->getShipIndex(), 0);
			EXPECT_LE(m_engine->getShipIndex(), 2);
		}
		else
		{
			EXPECT_EQ(player(), m_kept);
		}
	}
}
