#include "GameSession.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Alien.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "StateLevel.h"
#include "StatePause.h"
#include "StateStart.h"

namespace fs = std::filesystem;

namespace
{
	const int tickMs = 10;
	const int firstAlienEntry = 14;
	const char* const savedGameFile = "TV4StarhollowSaveGame.txt";
}

void GameSession::SetUp()
{
	useHeadlessDrivers();
	m_originalDirectory = fs::current_path().string();
	char pattern[] = "/tmp/tv4game-XXXXXX";
	ASSERT_NE(mkdtemp(pattern), nullptr);
	m_directory = pattern;
}

void GameSession::TearDown()
{
	closeGame();
	fs::current_path(m_originalDirectory);
	std::error_code ignored;
	fs::remove_all(m_directory, ignored);
}

void GameSession::startGame()
{
	// A game started again in the same test finds the links of the first start.
	if (m_linkAssets)
		for (const fs::directory_entry& entry : fs::directory_iterator(m_originalDirectory))
		{
			const fs::path link = fs::path(m_directory) / entry.path().filename();
			if (entry.path().filename() != savedGameFile && !fs::is_symlink(link))
				fs::create_symlink(entry.path(), link);
		}
	fs::current_path(m_directory);
	m_engine = std::make_unique<TV4Engine>();
	m_harness = std::make_unique<EngineHarness>(*m_engine, m_startTicks);
	ASSERT_EQ(m_harness->initialise(), 0);
	m_harness->step();
}

void GameSession::closeGame()
{
	if (!m_engine)
		return;
	m_engine->deinitialise();
	m_harness.reset();
	m_engine.reset();
}

std::string GameSession::workingFile(const std::string& name) const
{
	return (fs::path(m_directory) / name).string();
}

void GameSession::typeKeys(const std::string& keys)
{
	for (char key : keys)
		tapKey(static_cast<SDL_Keycode>(key));
}

void GameSession::runTicks(int ticks)
{
	for (int tick = 0; tick < ticks; ++tick)
		m_harness->step(tickMs);
}

void GameSession::clickNewGame()
{
	clickAt(newGameX, newGameY);
}

void GameSession::clickLoadGame()
{
	clickAt(loadGameX, loadGameY);
}

void GameSession::startLevel1(const std::string& name, int ship)
{
	clickNewGame();
	typeKeys(name);
	clickAt(shipX(ship), shipY);
	m_harness->pushMouseMove(shipX(ship) + 1, shipY);
	m_harness->step();
	clickAt(forwardX, forwardY);
}

void GameSession::writeSavedGame(const std::string& contents)
{
	std::ofstream file(workingFile(savedGameFile), std::ios::binary | std::ios::trunc);
	file << contents;
}

std::string GameSession::readSavedGame() const
{
	std::ifstream file(workingFile(savedGameFile), std::ios::binary);
	std::ostringstream contents;
	contents << file.rdbuf();
	return contents.str();
}

StateLevel* GameSession::level()
{
	if (StatePause* pause = current<StatePause>())
		return pause->getPausedLevel();
	return current<StateLevel>();
}

int GameSession::aliensListed()
{
	int count = 0;
	for (int entry = firstAlienEntry; entry < m_engine->getObjectCount(); ++entry)
		if (dynamic_cast<Alien*>(m_engine->getObjectAt(entry)) != nullptr)
			++count;
	return count;
}

Alien* GameSession::firstAlienWhere(bool (*test)(Alien*))
{
	for (int entry = firstAlienEntry; entry < m_engine->getObjectCount(); ++entry)
	{
		Alien* alien = dynamic_cast<Alien*>(m_engine->getObjectAt(entry));
		if (alien != nullptr && test(alien))
			return alien;
	}
	return nullptr;
}

Alien* GameSession::fireUntilAlienHit(int maxTicks, int* scoreBeforeHit)
{
	for (int tick = 0; tick < maxTicks; ++tick)
	{
		if (m_engine->getObjectAt(StateLevel::laserSlot) == nullptr)
			m_harness->pushKeyDown(SDLK_SPACE);
		const int scoreBefore = level()->getScore();
		m_harness->step(tickMs);
		m_harness->pushKeyUp(SDLK_SPACE);
		if (scoreBeforeHit != nullptr)
			*scoreBeforeHit = scoreBefore;
		if (Alien* hit = firstAlienWhere([](Alien* alien) { return alien->isDying() && alien->getY() <= 620; }))
			return hit;
	}
	return nullptr;
}

unsigned int GameSession::picturePixel(const std::string& url, int x, int y)
{
	ImageHandle image = ImageManager::getInstance()->getImage(url, true, false);
	return static_cast<unsigned int>(image.getPixelColour(x, y)) & 0xFFFFFFu;
}

// Samples a grid of the picture's pixels; every one not in its key colour (the bottom-right
// pixel's) must show at its place on the screen.
bool GameSession::foregroundShowsPicture(const std::string& url, int left, int top)
{
	ImageHandle image = ImageManager::getInstance()->getImage(url, true, false);
	if (!image.isLoaded())
		return false;
	const unsigned int key = picturePixel(url, image.getWidth() - 1, image.getHeight() - 1);
	const int samples = 16;
	int compared = 0;
	for (int i = 0; i < samples; ++i)
		for (int j = 0; j < samples; ++j)
		{
			const int x = image.getWidth() * i / samples;
			const int y = image.getHeight() * j / samples;
			const unsigned int expected = picturePixel(url, x, y);
			if (expected == key)
				continue;
			if (m_harness->foregroundPixel(left + x, top + y) != expected)
				return false;
			++compared;
		}
	return compared > 0;
}
