#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineHarness.h"
#include "MusicPlayer.h"
#include "PixelSurface.h"
#include "State.h"
#include "StateStart.h"
#include "TV4Engine.h"

namespace
{
	// A screen that writes down which of its hooks ran, in order, into a log that outlives it.
	class RecordingState : public State
	{
	public:
		RecordingState(TV4Engine* engine, std::vector<std::string>& log, const std::string& name)
			: State(engine), m_log(log), m_name(name)
		{
		}
		~RecordingState() override { m_log.push_back(m_name + ":deleted"); }

		void drawBackground() override { m_log.push_back(m_name + ":background"); }
		void createObjects() override { m_log.push_back(m_name + ":objects"); }
		void createSurfaces() override { m_log.push_back(m_name + ":surfaces"); }
		void onShutdown() override { m_log.push_back(m_name + ":shutdown"); }
		void keyDown(int key) override { m_log.push_back(m_name + ":key " + std::to_string(key)); }
		void beforeUpdate() override { m_log.push_back(m_name + ":update"); }

	private:
		std::vector<std::string>& m_log;
		std::string m_name;
	};

	class ScreenSwitchTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			useHeadlessDrivers();
			m_engine = std::make_unique<TV4Engine>();
			m_harness = std::make_unique<EngineHarness>(*m_engine);
			ASSERT_EQ(m_harness->initialise(), 0);
			m_harness->step();
		}

		void TearDown() override
		{
			if (m_engine)
				m_engine->deinitialise();
			// States still alive outside the engine (left without deleteOld) are the test's.
			for (State* state : m_detached)
				delete state;
		}

		RecordingState* makeState(const std::string& name) { return new RecordingState(m_engine.get(), m_log, name); }

		std::vector<std::string> m_log;
		std::vector<State*> m_detached;
		std::unique_ptr<TV4Engine> m_engine;
		std::unique_ptr<EngineHarness> m_harness;
	};
}

TEST_F(ScreenSwitchTest, StartsOnTheMenuWithTheTitleTrackAndDefaultPlayerData)
{
	EXPECT_NE(dynamic_cast<StateStart*>(m_engine->getCurrentState()), nullptr);
	EXPECT_EQ(m_engine->getMusicTrack(), 0u);
	EXPECT_STREQ(m_engine->getMusicPath(), "resources/01_Title Screen_repaired.mp3");
	EXPECT_STREQ(m_engine->getPlayerName(), "bob");
	EXPECT_EQ(m_engine->getShipIndex(), 1);
	EXPECT_EQ(m_engine->getScore(), 0);
	EXPECT_EQ(m_engine->getLives(), 3);
	EXPECT_EQ(m_engine->getShipX(), 450);
	EXPECT_EQ(m_engine->getShipY(), 650);
	EXPECT_EQ(m_engine->getLevel(), 1);
}

TEST_F(ScreenSwitchTest, SwitchWithDeleteShutsTheOldScreenDownThenDeletesItThenBuildsTheNew)
{
	m_engine->changeState(makeState("a"), TV4Engine::redrawBackgroundThenObjects, 1, true);
	m_log.clear();
	m_engine->changeState(makeState("b"), TV4Engine::redrawBackgroundThenObjects, 2, true);
	EXPECT_EQ(m_log, (std::vector<std::string>{ "a:shutdown", "a:deleted", "b:background", "b:objects" }));
}

TEST_F(ScreenSwitchTest, RedrawModesOrderBackgroundObjectsAndSurfaces)
{
	m_engine->changeState(makeState("one"), TV4Engine::redrawObjectsThenBackground, 1, true);
	EXPECT_EQ(m_log, (std::vector<std::string>{ "one:objects", "one:background" }));
	m_log.clear();
	m_engine->changeState(makeState("two"), TV4Engine::redrawNewSurfaces, 1, true);
	EXPECT_EQ(m_log, (std::vector<std::string>{
		"one:shutdown", "one:deleted", "two:surfaces", "two:background", "two:objects" }));
	m_log.clear();
	m_engine->changeState(makeState("three"), 7, 1, true);
	EXPECT_EQ(m_log, (std::vector<std::string>{ "two:shutdown", "two:deleted" }));
}

TEST_F(ScreenSwitchTest, SwitchWithoutRedrawOrDeleteOnlyChangesTheCurrentScreen)
{
	State* menu = m_engine->getCurrentState();
	m_detached.push_back(menu);
	RecordingState* next = makeState("next");
	m_engine->changeState(next, TV4Engine::redrawNone, TV4Engine::noTrack, false);
	EXPECT_EQ(m_engine->getCurrentState(), next);
	EXPECT_TRUE(m_log.empty());
	EXPECT_EQ(m_engine->getMusicTrack(), 0u) << "the music goes on";

	m_harness->tapKey(SDLK_x);
	EXPECT_EQ(m_log.front(), "next:key 120") << "hooks go to the new screen at once";
	m_log.clear();
	m_engine->changeState(menu, TV4Engine::redrawNone, TV4Engine::noTrack, false);
	m_detached = { next };
	EXPECT_TRUE(m_log.empty()) << "the old screen is neither told nor deleted";
}

TEST_F(ScreenSwitchTest, TracksLoopOrPlayOnceAndOtherNumbersSilence)
{
	m_engine->changeState(makeState("level"), TV4Engine::redrawBackgroundThenObjects, 2, true);
	EXPECT_EQ(m_engine->getMusicTrack(), 2u);
	EXPECT_STREQ(m_engine->getMusicPath(), "resources/05_Earth_repaired.mp3");
	m_engine->changeState(makeState("silent"), TV4Engine::redrawBackgroundThenObjects, TV4Engine::noTrack, true);
	EXPECT_EQ(m_engine->getMusicTrack(), TV4Engine::noTrack);
	EXPECT_FALSE(m_engine->getMusicPlayer()->isLoaded()) << "the old player was stopped and freed";
	m_engine->changeState(makeState("won"), TV4Engine::redrawBackgroundThenObjects, 6, true);
	EXPECT_STREQ(m_engine->getMusicPath(), "resources/14_Level Clear_repaired.mp3");
	EXPECT_TRUE(MusicPlayer::playsOnce(6));
	EXPECT_TRUE(MusicPlayer::playsOnce(7));
	EXPECT_FALSE(MusicPlayer::playsOnce(5));
	EXPECT_EQ(MusicPlayer::trackPath(8), nullptr);
}

TEST_F(ScreenSwitchTest, ClosingTheWindowShutsTheCurrentScreenDownOnceAndDeletesIt)
{
	m_engine->changeState(makeState("last"), TV4Engine::redrawBackgroundThenObjects, 1, true);
	m_log.clear();
	m_harness->pushQuit();
	EXPECT_FALSE(m_harness->step());
	m_engine->deinitialise();
	EXPECT_EQ(m_log, (std::vector<std::string>{ "last:shutdown", "last:deleted" }));
	EXPECT_EQ(m_engine->getCurrentState(), nullptr);
	EXPECT_FALSE(MusicPlayer::isAudioOpen()) << "the mixer is closed at the end";
	m_engine.reset();
}

TEST_F(ScreenSwitchTest, SurfaceModeMakesFreshEngineSurfacesAndRestoresTheOwnBackground)
{
	PixelSurface layer(m_engine.get());
	layer.createSurface(1000, 700);
	m_engine->setBackgroundSurface(&layer);
	m_engine->changeState(makeState("starry"), TV4Engine::redrawNewSurfaces, 1, true);
	EXPECT_EQ(m_engine->getBackgroundSurface(), m_engine->getOwnBackgroundSurface());
	EXPECT_EQ(m_engine->getBackgroundSurface()->getWidth(), 1000);
	EXPECT_EQ(m_engine->getForegroundSurface()->getHeight(), 700);
	SDL_FreeSurface(layer.getSDLSurface());
}

TEST_F(ScreenSwitchTest, LeavingAScreenWithItsOwnBackgroundFramesFromTheEngineBackgroundAgain)
{
	PixelSurface layer(m_engine.get());
	layer.createSurface(1000, 700);
	m_engine->changeState(makeState("layered"), TV4Engine::redrawBackgroundThenObjects, 1, true);
	m_engine->setBackgroundSurface(&layer);
	m_engine->changeState(makeState("plain"), TV4Engine::redrawBackgroundThenObjects, 0, true);
	EXPECT_EQ(m_engine->getBackgroundSurface(), m_engine->getOwnBackgroundSurface());
	SDL_FreeSurface(layer.getSDLSurface());
}

TEST_F(ScreenSwitchTest, PlayerDetailsKeepElevenCharactersBeforeTheFirstZero)
{
	m_engine->setPlayerDetails(std::string("Abc\0def", 7), 2);
	EXPECT_STREQ(m_engine->getPlayerName(), "Abc");
	EXPECT_EQ(m_engine->getShipIndex(), 2);
	m_engine->setPlayerDetails("Abcdefghijklmnop", 0);
	EXPECT_STREQ(m_engine->getPlayerName(), "Abcdefghijk");
	m_engine->setScoreAndLives(120, 2);
	EXPECT_EQ(m_engine->getScore(), 120);
	EXPECT_EQ(m_engine->getLives(), 2);
}
