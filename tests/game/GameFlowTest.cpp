#include <gtest/gtest.h>

#include <SDL.h>

#include <climits>
#include <cstdio>
#include <functional>

#include <unistd.h>

#include "Alien.h"
#include "DisplayableObject.h"
#include "GameSession.h"
#include "MainMenuTitle.h"
#include "PixelSurface.h"
#include "SpaceShip.h"
#include "StateEnd.h"
#include "StateEnterDetails.h"
#include "StateLevel.h"
#include "StateLevel1.h"
#include "StateLevel2.h"
#include "StateLevel3.h"
#include "StatePause.h"
#include "StateStart.h"

namespace
{
	// Generous bounds on how long a level may take when every alien is left to escape.
	const int levelTicks = 8000;

	class GameFlowTest : public GameSession
	{
	protected:
		void SetUp() override
		{
			GameSession::SetUp();
			startGame();
		}

		// A game of the given level with lives to spare, so every alien may escape.
		void loadLevelWithLives(int levelNumber, int lives)
		{
			writeSavedGame(std::to_string(levelNumber) + "\nTess\n1\n" + std::to_string(lives) + "\n0\n450,594,\n");
			clickLoadGame();
		}

		bool entryVisible(int entry)
		{
			DisplayableObject* object = engine().getObjectAt(entry);
			return object != nullptr && object->isVisible();
		}

		bool onlyMenuObjectsListed()
		{
			if (dynamic_cast<MainMenuTitle*>(engine().getObjectAt(0)) == nullptr)
				return false;
			for (int entry = 5; entry < engine().getObjectCount(); ++entry)
				if (engine().getObjectAt(entry) != nullptr)
					return false;
			return true;
		}

		bool surfacesUnfiltered()
		{
			return engine().getBackgroundSurface()->getFilter() == nullptr
				&& engine().getForegroundSurface()->getFilter() == nullptr;
		}
	};
}

TEST_F(GameFlowTest, ShotAlienExplodesAndScoresFortyEightTimesItsPoints)
{
	startLevel1("ann", 0);
	ASSERT_NE(current<StateLevel1>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 2u);
	int scoreBefore = 0;
	Alien* hit = fireUntilAlienHit(1500, &scoreBefore);
	ASSERT_NE(hit, nullptr);
	const int killedBefore = level()->getKilled();
	runTicks(47);
	EXPECT_EQ(level()->getScore(), scoreBefore + 48 * 10);
	EXPECT_EQ(level()->getKilled(), killedBefore + 1);
}

TEST_F(GameFlowTest, EscapedAlienCostsALifeAndFivePoints)
{
	startLevel1("ann", 1);
	for (int tick = 0; tick < levelTicks && level()->getLives() == 3; ++tick)
		harness().step();
	EXPECT_EQ(level()->getLives(), 2);
	EXPECT_EQ(level()->getScore(), -5);
	harness().step();
	EXPECT_FALSE(entryVisible(StateLevel::firstLifeIconSlot + 2)) << "the third life icon goes";
	EXPECT_TRUE(entryVisible(StateLevel::firstLifeIconSlot + 1));
}

TEST_F(GameFlowTest, PausedGameTimeStandsStillAndResumesWhereItStopped)
{
	startLevel1("ann", 1);
	runTicks(250);
	tapKey(SDLK_p);
	ASSERT_NE(current<StatePause>(), nullptr);
	EXPECT_TRUE(entryVisible(StateLevel::pauseImageSlot));
	EXPECT_EQ(engine().getMusicTrack(), 2u) << "the level's music goes on";
	const int pausedAt = engine().getGameTime();
	Alien* active = firstAlienWhere([](Alien* alien) { return alien->isActive(); });
	runTicks(1000);
	EXPECT_EQ(engine().getGameTime(), pausedAt);
	if (active != nullptr)
	{
		EXPECT_FALSE(active->isVisible()) << "waiting and active aliens hide while paused";
	}

	StateLevel* paused = level();
	tapKey(SDLK_p);
	ASSERT_EQ(current<StateLevel>(), paused) << "the same level comes back";
	EXPECT_FALSE(entryVisible(StateLevel::pauseImageSlot));
	EXPECT_LE(engine().getGameTime() - pausedAt, 40) << "only the ticks around the keys count";
}

TEST_F(GameFlowTest, PauseStoresTheLevelInTheEngineAndSaveWritesIt)
{
	startLevel1("ann", 0);
	harness().pushKeyDown(SDLK_RIGHT);
	runTicks(20);
	harness().pushKeyUp(SDLK_RIGHT);
	runTicks(2);
	const int shipX = level()->getShip()->getX();
	const int shipY = level()->getShip()->getY();
	tapKey(SDLK_p);
	EXPECT_EQ(engine().getShipX(), shipX);
	EXPECT_EQ(engine().getLevel(), 1);
	tapKey(SDLK_s);
	EXPECT_TRUE(entryVisible(StateLevel::savedImageSlot));
	EXPECT_EQ(readSavedGame(), "1\nAnn\n0\n3\n0\n" + std::to_string(shipX) + "," + std::to_string(shipY) + ",\n");
	tapKey(SDLK_s);
	EXPECT_EQ(readSavedGame(), "1\nAnn\n0\n3\n0\n" + std::to_string(shipX) + "," + std::to_string(shipY) + ",\n");
	tapKey(SDLK_p);
	EXPECT_FALSE(entryVisible(StateLevel::savedImageSlot)) << "hidden again on resume";
}

TEST_F(GameFlowTest, SaveThatCannotBeWrittenShowsNoSavedPicture)
{
	startLevel1("ann", 0);
	// A save file that links into a directory that does not exist: a plain write fails too.
	ASSERT_EQ(symlink("missing/TV4StarhollowSaveGame.txt", workingFile("TV4StarhollowSaveGame.txt").c_str()), 0);
	tapKey(SDLK_p);
	OutputCapture output;
	output.start();
	tapKey(SDLK_s);
	const std::string printed = output.stop();
	EXPECT_FALSE(entryVisible(StateLevel::savedImageSlot));
	EXPECT_NE(printed.find("Unable to save the game: cannot create missing/TV4StarhollowSaveGame.txt (No such file or directory)\n"),
		std::string::npos) << printed;
}

TEST_F(GameFlowTest, SavedGameLoadsIntoTheSameLevelWithTheSavedPlayerData)
{
	startLevel1("ann", 0);
	harness().pushKeyDown(SDLK_LEFT);
	runTicks(15);
	harness().pushKeyUp(SDLK_LEFT);
	runTicks(2);
	tapKey(SDLK_p);
	tapKey(SDLK_s);
	const int savedX = engine().getShipX();
	const int savedY = engine().getShipY();
	tapKey(SDLK_q);
	ASSERT_NE(current<StateStart>(), nullptr);
	engine().setPlayerDetails("Other", 2);
	engine().setShipPosition(1, 1);

	clickLoadGame();
	auto* loaded = current<StateLevel1>();
	ASSERT_NE(loaded, nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 2u);
	EXPECT_STREQ(engine().getPlayerName(), "Ann");
	EXPECT_EQ(engine().getShipIndex(), 0);
	EXPECT_EQ(loaded->getLives(), 3);
	EXPECT_EQ(loaded->getShip()->getX(), savedX);
	EXPECT_EQ(loaded->getShip()->getY(), savedY);
}

// Saved values at the ends of the int range: the ship is kept inside the window, and the
// score stops at its limits while aliens are shot and escape.
TEST_F(GameFlowTest, ExtremeSavedValuesPlayWithTheShipInsideAndTheScoreAtItsLimits)
{
	writeSavedGame("1\nTess\n1\n2147483647\n2147483647\n2147483647,2147483647,\n");
	clickLoadGame();
	ASSERT_NE(current<StateLevel1>(), nullptr);
	EXPECT_EQ(level()->getShip()->getX(), 1000 - 106);
	EXPECT_EQ(level()->getShip()->getY(), 700 - 106);
	harness().pushKeyDown(SDLK_LEFT);
	runTicks(100);
	harness().pushKeyUp(SDLK_LEFT);
	ASSERT_NE(fireUntilAlienHit(1500), nullptr);
	runTicks(100);
	EXPECT_EQ(level()->getScore(), INT_MAX);

	tapKey(SDLK_p);
	tapKey(SDLK_q);
	writeSavedGame("1\nTess\n1\n2147483647\n-2147483648\n-2147483648,-2147483648,\n");
	clickLoadGame();
	ASSERT_NE(current<StateLevel1>(), nullptr);
	EXPECT_EQ(level()->getShip()->getX(), 0);
	EXPECT_EQ(level()->getShip()->getY(), 0);
	for (int tick = 0; tick < levelTicks && level()->getLives() == INT_MAX; ++tick)
		harness().step();
	EXPECT_EQ(level()->getLives(), INT_MAX - 1);
	EXPECT_EQ(level()->getScore(), INT_MIN);
}

TEST_F(GameFlowTest, LoadGameWithoutASavedGameKeepsTheMenu)
{
	State* menu = engine().getCurrentState();
	clickLoadGame();
	EXPECT_EQ(engine().getCurrentState(), menu);
	EXPECT_EQ(engine().getMusicTrack(), 0u);
}

TEST_F(GameFlowTest, LoadedLevelsOpenWithTheirOwnTracks)
{
	loadLevelWithLives(2, 3);
	ASSERT_NE(current<StateLevel2>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 3u);
	tapKey(SDLK_p);
	tapKey(SDLK_q);
	loadLevelWithLives(3, 3);
	ASSERT_NE(current<StateLevel3>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 4u);
}

TEST_F(GameFlowTest, QuitFromPauseLeavesNothingOfTheLevel)
{
	startLevel1("ann", 1);
	runTicks(300);
	tapKey(SDLK_p);
	tapKey(SDLK_q);
	ASSERT_NE(current<StateStart>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 0u);
	EXPECT_TRUE(surfacesUnfiltered());
	EXPECT_TRUE(onlyMenuObjectsListed());
	EXPECT_FALSE(engine().isPaused());
	runTicks(20);
	EXPECT_TRUE(foregroundShowsPicture("images/NewGame.png", 300, 305));
}

TEST_F(GameFlowTest, ClosingTheWindowWhilePausedReleasesTheLevel)
{
	startLevel1("ann", 1);
	runTicks(300);
	tapKey(SDLK_p);
	ASSERT_NE(current<StatePause>(), nullptr);
	EXPECT_FALSE(surfacesUnfiltered());
	harness().pushQuit();
	EXPECT_FALSE(harness().step());
	engine().deinitialise();
	EXPECT_EQ(engine().getCurrentState(), nullptr);
	for (int entry = 0; entry < engine().getObjectCount(); ++entry)
		EXPECT_EQ(engine().getObjectAt(entry), nullptr) << "entry " << entry;
	EXPECT_TRUE(surfacesUnfiltered());
}

TEST_F(GameFlowTest, ClearingLevelOneScrollsIntoLevelTwoKeepingScoreAndLives)
{
	loadLevelWithLives(1, 20);
	ASSERT_NE(current<StateLevel1>(), nullptr);
	ASSERT_TRUE(runUntil<StateLevel2>(levelTicks));
	EXPECT_EQ(engine().getMusicTrack(), 3u);
	EXPECT_EQ(engine().getLives(), 20 - 12) << "every alien escaped";
	EXPECT_EQ(engine().getScore(), -5 * 12);
	EXPECT_EQ(level()->getLives(), 8);
}

TEST_F(GameFlowTest, ClearingLevelThreeShowsTheWinningScreenAndQReturnsToTheMenu)
{
	loadLevelWithLives(3, 100);
	ASSERT_NE(current<StateLevel3>(), nullptr);
	ASSERT_TRUE(runUntil<StateEnd>(levelTicks));
	EXPECT_TRUE(current<StateEnd>()->isWon());
	EXPECT_EQ(engine().getMusicTrack(), 6u);
	EXPECT_TRUE(surfacesUnfiltered());
	harness().step();
	EXPECT_TRUE(foregroundShowsPicture("images/WinningImage.png", 300, 50));
	tapKey(SDLK_x);
	ASSERT_NE(current<StateEnd>(), nullptr) << "keys other than q do nothing";
	tapKey(SDLK_q);
	ASSERT_NE(current<StateStart>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 0u);
	EXPECT_TRUE(onlyMenuObjectsListed());
}

TEST_F(GameFlowTest, LosingEveryLifeShowsTheLosingScreen)
{
	startLevel1("ann", 2);
	ASSERT_TRUE(runUntil<StateEnd>(levelTicks));
	EXPECT_FALSE(current<StateEnd>()->isWon());
	EXPECT_EQ(engine().getMusicTrack(), 7u);
	EXPECT_TRUE(surfacesUnfiltered());
	harness().step();
	EXPECT_TRUE(foregroundShowsPicture("images/LosingImage.png", 300, 50));
	tapKey(SDLK_q);
	EXPECT_NE(current<StateStart>(), nullptr);
}

// However the last game went, New game starts level 1 as it does after start-up. The pause
// copies what the level started from into the engine, so a save made at once shows it.
TEST_F(GameFlowTest, NewGameStartsAfreshWhateverTheLastGameLeft)
{
	auto loseALifeAndPause = [this] {
		startLevel1("old", 2);
		harness().pushKeyDown(SDLK_LEFT);
		for (int tick = 0; tick < levelTicks && level()->getLives() == 3; ++tick)
			harness().step();
		harness().pushKeyUp(SDLK_LEFT);
		tapKey(SDLK_p);
	};
	auto loadAndPlayToTheEnd = [this](const std::string& savedGame) {
		writeSavedGame(savedGame);
		clickLoadGame();
		runUntil<StateEnd>(levelTicks);
		tapKey(SDLK_q);
	};
	const std::function<void()> lastGames[] = {
		[] {}, // none: the game has just started
		[&] { loseALifeAndPause(); tapKey(SDLK_q); },
		[&] { loseALifeAndPause(); tapKey(SDLK_p); runUntil<StateEnd>(levelTicks); tapKey(SDLK_q); },
		[&] { loadAndPlayToTheEnd("3\nOld\n2\n100\n4785\n10,10,\n"); }, // won
		[&] { loadAndPlayToTheEnd("1\nOld\n2\n0\n7870\n10,10,\n"); }, // lost
	};
	for (const std::function<void()>& lastGame : lastGames)
	{
		SCOPED_TRACE(&lastGame - lastGames);
		lastGame();
		ASSERT_NE(current<StateStart>(), nullptr);
		startLevel1("new", 0);
		tapKey(SDLK_p);
		tapKey(SDLK_s);
		EXPECT_EQ(readSavedGame(), "1\nNew\n0\n3\n0\n450,594,\n");
		tapKey(SDLK_q);
	}
}

// SDL's tick count passes the int range while level 1 is paused and turns negative: the
// game time stands across it, and afterwards the ship still moves and an alien still
// waiting enters on time and moves.
TEST_F(GameFlowTest, LevelOnePlaysOnWhenTheTickCountPassesTheIntRange)
{
	closeGame();
	startClockAt(INT_MAX - 4999);
	startGame();
	startLevel1("ann", 0);
	while (harness().now() < INT_MAX - 500)
		harness().step();
	tapKey(SDLK_p);
	const int pausedAt = engine().getGameTime();
	runTicks(100);
	ASSERT_LT(harness().now(), 0) << "the clock has passed the int range";
	EXPECT_EQ(engine().getGameTime(), pausedAt);
	tapKey(SDLK_p);
	ASSERT_NE(current<StateLevel1>(), nullptr);
	EXPECT_LE(timeDifference(engine().getGameTime(), pausedAt), 40);

	runTicks(2);
	Alien* waiting = firstAlienWhere([](Alien* alien) { return !alien->isActive(); });
	ASSERT_NE(waiting, nullptr);
	const int shipX = level()->getShip()->getX();
	harness().pushKeyDown(SDLK_LEFT);
	for (int tick = 0; tick < levelTicks && !waiting->isActive(); ++tick)
		harness().step();
	ASSERT_TRUE(waiting->isActive());
	EXPECT_LT(level()->getShip()->getX(), shipX);
	const int enteredX = waiting->getX();
	const int enteredY = waiting->getY();
	runTicks(20);
	EXPECT_TRUE(waiting->getX() != enteredX || waiting->getY() != enteredY);
}

namespace
{
	class EmptyRunDirectoryTest : public GameSession
	{
	protected:
		void SetUp() override
		{
			GameSession::SetUp();
			useEmptyRunDirectory();
			startGame();
		}
	};
}

// Without pictures nothing can be clicked, so the screens are entered as their buttons would.
TEST_F(EmptyRunDirectoryTest, EveryScreenRunsWithoutPicturesFontsOrMusic)
{
	runTicks(20);
	clickLoadGame();
	ASSERT_NE(current<StateStart>(), nullptr);

	engine().changeState(new StateEnterDetails(&engine()), TV4Engine::redrawBackgroundThenObjects, 1, true);
	typeKeys("abc");
	runTicks(10);
	engine().setPlayerDetails("Abc", 1);
	engine().changeState(new StateLevel1(&engine()), TV4Engine::redrawObjectsThenBackground, 2, true);
	runTicks(300);
	tapKey(SDLK_SPACE);
	tapKey(SDLK_p);
	ASSERT_NE(current<StatePause>(), nullptr);
	tapKey(SDLK_s);
	tapKey(SDLK_p);
	ASSERT_TRUE(runUntil<StateEnd>(levelTicks));
	runTicks(10);
	tapKey(SDLK_q);
	EXPECT_NE(current<StateStart>(), nullptr);
	runTicks(10);
}
