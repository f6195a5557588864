#pragma once
// The arcade game's engine: forwards every engine hook to the current screen, switches
// screens (with their music), and holds the player's details that every screen reads and writes.

#include <string>

#include "BaseEngine.h"

class MusicPlayer;
class State;

class TV4Engine : public BaseEngine
{
public:
	// Redraw modes of changeState().
	static constexpr int redrawNone = -1;                  // only make the next screen current (without deleteOld)
	static constexpr int redrawBackgroundThenObjects = 0;
	static constexpr int redrawObjectsThenBackground = 1;
	static constexpr int redrawNewSurfaces = 2;            // engine surfaces made anew, own background restored
	// Track number that starts no music.
	static constexpr unsigned int noTrack = static_cast<unsigned int>(-1);
	static constexpr int playerNameLength = 11;
	// What a game starts from: at start-up and at every new game.
	static constexpr int startScore = 0;
	static constexpr int startLives = 3;
	static constexpr int startLevel = 1;

	TV4Engine();
	~TV4Engine() override;

	// The only way to change screens. With deleteOld the calling screen no longer exists
	// when this returns: the caller must return at once without touching its members.
	void changeState(State* next, int redrawMode, unsigned int track, bool deleteOld);
	State* getCurrentState() const { return m_currentState; }

	void setPlayerDetails(std::string name, int ship);
	// Called by the constructor and when a new game starts (the details screen's forward
	// button): score, lives, ship position and level go back to what a game starts from,
	// so a new game never carries on the last one. The name and ship choice stay.
	void resetGameProgress();
	void setScoreAndLives(int score, int lives);
	void fadeOutMusic();
	// Frames start from the given surface from the next frame on (star layers of a screen).
	void setBackgroundSurface(PixelSurface* surface) { m_backgroundSurface = surface; }
	PixelSurface* getOwnBackgroundSurface() { return &m_backgroundSurfaceStorage; }

	// The engine's own copy of the window size; screens place their objects from it.
	int getWidth() const { return m_width; }
	int getHeight() const { return m_height; }

	// Player data.
	const char* getPlayerName() const { return m_playerName; }
	void setPlayerName(const char* name);
	int getShipIndex() const { return m_shipIndex; }
	void setShipIndex(int ship) { m_shipIndex = ship; }
	int getScore() const { return m_score; }
	void setScore(int score) { m_score = score; }
	int getLives() const { return m_lives; }
	void setLives(int lives) { m_lives = lives; }
	int getShipX() const { return m_shipX; }
	int getShipY() const { return m_shipY; }
	void setShipPosition(int x, int y) { m_shipX = x; m_shipY = y; }
	int getLevel() const { return m_level; }
	void setLevel(int level) { m_level = level; }

	// Music: the path of the track most recently started, and its number (noTrack while silenced by a switch).
	const char* getMusicPath() const { return m_musicPath; }
	unsigned int getMusicTrack() const { return m_musicTrack; }
	MusicPlayer* getMusicPlayer() const { return m_musicPlayer; }

	// Forwarded engine hooks.
	void onKeyUp(int key) override;
	void onKeyDown(int key) override;
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp) override;
	int createSurfaces() override;
	void onShutdown() override;
	void drawBackground() override;
	void drawTextOverObjects() override;
	void onLoopAfterEvents() override;
	void onBeforeUpdate() override;
	void onBeforeRender() override;
	int createObjects() override;

private:
	void replaceState(State* next, bool deleteOld);
	void startTrack(unsigned int track);
	void rebuildScreen(int redrawMode);
	void releaseOwnSurfaces();

	State* m_currentState = nullptr;
	State* m_pendingState = nullptr;
	const char* m_musicPath = nullptr;
	unsigned int m_musicTrack = noTrack;
	MusicPlayer* m_musicPlayer = nullptr;
	int m_width = 1000;
	int m_height = 700;
	char m_playerName[playerNameLength + 1] = "bob";
	int m_shipIndex = 1;
	// Score, lives, ship position and level: set by resetGameProgress().
	int m_score;
	int m_lives;
	int m_shipX;
	int m_shipY;
	int m_level;
};
