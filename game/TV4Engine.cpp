#include "TV4Engine.h"

#include <cstring>

#include "MusicPlayer.h"
#include "State.h"
#include "StateStart.h"

namespace
{
	const unsigned int titleTrack = 0;
	const int shipStartOffsetX = 50;
	const int shipStartOffsetY = 50;
}

TV4Engine::TV4Engine()
{
	m_currentState = new StateStart(this);
	resetGameProgress();
	MusicPlayer::openAudio();
	m_musicTrack = titleTrack;
	m_musicPath = MusicPlayer::trackPath(titleTrack);
	m_musicPlayer = new MusicPlayer(m_musicPath);
}

// The current state is normally gone already (onShutdown); an engine that never ran
// its shutdown still releases its screen's memory.
TV4Engine::~TV4Engine()
{
	delete m_musicPlayer;
	m_musicPlayer = nullptr;
	delete m_currentState;
	m_currentState = nullptr;
	releaseOwnSurfaces();
}

void TV4Engine::changeState(State* next, int redrawMode, unsigned int track, bool deleteOld)
{
	if (!deleteOld && redrawMode == redrawNone)
	{
		m_currentState = next;
		return;
	}
	replaceState(next, deleteOld);
	startTrack(track);
	rebuildScreen(redrawMode);
}

void TV4Engine::replaceState(State* next, bool deleteOld)
{
	if (!deleteOld)
	{
		m_currentState = next;
		return;
	}
	m_currentState->onShutdown();
	m_pendingState = next;
	std::swap(m_currentState, m_pendingState);
	delete m_pendingState;
	m_pendingState = nullptr;
	// A screen that drew from layers of its own has just freed them: never frame from those.
	setBackgroundSurface(&m_backgroundSurfaceStorage);
}

void TV4Engine::startTrack(unsigned int track)
{
	if (m_musicPlayer != nullptr)
		m_musicPlayer->stop();
	const char* path = MusicPlayer::trackPath(track);
	if (path == nullptr)
	{
		m_musicTrack = noTrack;
		return;
	}
	m_musicPath = path;
	m_musicTrack = track;
	MusicPlayer* player = new MusicPlayer(path);
	delete m_musicPlayer;
	m_musicPlayer = player;
	if (MusicPlayer::playsOnce(track))
		m_musicPlayer->playOnce();
}

void TV4Engine::rebuildScreen(int redrawMode)
{
	switch (redrawMode)
	{
	case redrawBackgroundThenObjects:
		drawBackground();
		createObjects();
		break;
	case redrawObjectsThenBackground:
		createObjects();
		drawBackground();
		break;
	case redrawNewSurfaces:
		createSurfaces();
		drawBackground();
		createObjects();
		break;
	default:
		break;
	}
}

void TV4Engine::setPlayerDetails(std::string name, int ship)
{
	setPlayerName(name.c_str());
	m_shipIndex = ship;
}

void TV4Engine::setPlayerName(const char* name)
{
	std::strncpy(m_playerName, name, playerNameLength);
	m_playerName[playerNameLength] = '\0';
}

void TV4Engine::resetGameProgress()
{
	m_score = startScore;
	m_lives = startLives;
	m_shipX = m_width / 2 - shipStartOffsetX;
	m_shipY = m_height - shipStartOffsetY;
	m_level = startLevel;
}

void TV4Engine::setScoreAndLives(int score, int lives)
{
	m_score = score;
	m_lives = lives;
}

void TV4Engine::fadeOutMusic()
{
	if (m_musicPlayer != nullptr)
		m_musicPlayer->fadeOut();
}

// The background goes first: its blit mapping holds a reference on the foreground.
void TV4Engine::releaseOwnSurfaces()
{
	for (PixelSurface* surface : { &m_backgroundSurfaceStorage, &m_foregroundSurfaceStorage })
	{
		SDL_FreeSurface(surface->getSDLSurface());
		surface->releaseSDLSurface();
	}
}

// The engine's own surfaces are made anew; a screen's own layers are never overwritten,
// so frames start from the engine's background again before the base class fills it.
int TV4Engine::createSurfaces()
{
	releaseOwnSurfaces();
	setBackgroundSurface(&m_backgroundSurfaceStorage);
	int result = BaseEngine::createSurfaces();
	m_currentState->createSurfaces();
	return result;
}

void TV4Engine::onShutdown()
{
	if (m_currentState == nullptr)
		return;
	m_currentState->onShutdown();
	if (m_musicPlayer != nullptr)
		m_musicPlayer->stop();
	MusicPlayer::closeAudio();
	delete m_currentState;
	m_currentState = nullptr;
}

void TV4Engine::onKeyUp(int key) { m_currentState->keyUp(key); }
void TV4Engine::onKeyDown(int key) { m_currentState->keyDown(key); }
void TV4Engine::onMouseMove(int x, int y) { m_currentState->mouseMoved(x, y); }
void TV4Engine::onMouseDown(int button, int x, int y) { m_currentState->mouseDown(button, x, y); }

void TV4Engine::onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp)
{
	m_currentState->mouseWheel(x, y, static_cast<int>(which), static_cast<int>(timestamp));
}

void TV4Engine::drawBackground() { m_currentState->drawBackground(); }
void TV4Engine::drawTextOverObjects() { m_currentState->drawOnTop(); }
void TV4Engine::onLoopAfterEvents() { m_currentState->afterEvents(); }
void TV4Engine::onBeforeUpdate() { m_currentState->beforeUpdate(); }
void TV4Engine::onBeforeRender() { m_currentState->beforeRender(); }

int TV4Engine::createObjects()
{
	m_currentState->createObjects();
	return 0;
}
