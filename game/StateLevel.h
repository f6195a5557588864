#pragma once
// Base of the three playing levels: the level's lives, score and killed counters, the
// ship's controls and firing, the star background with its header, the flashing title,
// the life icons, the asteroids' rotations, game over and the clear-and-scroll ending.
// A concrete level supplies its tables, what follows when it is cleared, and its pause.

#include "CoordinateMappingRotate.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "State.h"

class ImageObject;
class ScoreObject;
class SpaceShip;
class TV4Engine;

class StateLevel : public State
{
public:
	// Fixed entries of the engine's object list while a level is current.
	static constexpr int shipSlot = 5;
	static constexpr int firstLifeIconSlot = 6;
	static constexpr int pauseImageSlot = 9;
	static constexpr int titleImageSlot = 10;
	static constexpr int savedImageSlot = 11;
	static constexpr int scoreSlot = 12;
	static constexpr int laserSlot = 13;
	static constexpr int rotationCount = 3;
	static constexpr int lifeIconCount = 3;

	// One asteroid of a level's table: its list slot, picture, centre and which rotation turns it.
	struct AsteroidRow
	{
		int slot;
		const char* image;
		int x;
		int y;
		int rotation;
	};

	// One alien of a level's table: picture, top-left, size, movement pattern, delay (ms of
	// game time after the level starts) and points.
	struct AlienRow
	{
		const char* image;
		int x;
		int y;
		int w;
		int h;
		int pattern;
		int delay;
		int points;
	};

	explicit StateLevel(TV4Engine* engine);
	// Takes the level's filter off the surfaces and its objects out of the list, should
	// either still be there: they point into this level.
	~StateLevel() override;

	void drawBackground() override;
	void createObjects() override {}
	void mouseMoved(int x, int y) override;
	void mouseDown(int button, int x, int y) override;
	void beforeUpdate() override;
	void keyUp(int key) override;
	void keyDown(int key) override;
	void onShutdown() override;

	// Called when the clear-and-scroll ending is over; switches to what follows (deleting this level).
	virtual void levelComplete() {}
	// Called on "p"; stores the level in the engine and shows the pause screen over it.
	virtual void pause() {}

	int getLevelNumber() const { return m_levelNumber; }
	int getLives() const { return m_lives; }
	int getScore() const { return m_score; }
	int getKilled() const { return m_killed; }
	int getKillTarget() const { return m_killTarget; }
	SpaceShip* getShip() const { return m_ship; }
	FilterPointsTranslation* getTranslationFilter() { return &m_translation; }
	CoordinateMappingRotate* getRotation(int index) { return &m_rotations[index]; }
	const char* getShipImage() const { return m_shipImage; }
	const char* getLifeIconImage() const { return m_lifeIconImage; }

protected:
	// The constructor steps every concrete level shares: the player's data from the
	// engine, the level's constants and the ship pictures.
	void takePlayerData(int killTarget, int levelNumber);
	void chooseShipImages();
	// Builds the engine's object list: fixed slots, asteroids, ship, icons, messages,
	// score, then the aliens after the fixed slots and one empty entry.
	void buildObjects(int slotCount, const AsteroidRow* asteroids, int asteroidCount, const char* titleImage,
		const AlienRow* aliens, int alienCount);
	// The pause every level shares: the level's data into the engine, then the pause screen.
	void pauseLevel();

	FilterPointsScaling m_scaling;
	FilterPointsTranslation m_translation;
	SpaceShip* m_ship = nullptr;
	CoordinateMappingRotate m_rotations[rotationCount];
	ImageObject* m_lifeIcons[lifeIconCount] = {};
	ScoreObject* m_scoreDisplay = nullptr;
	int m_levelNumber = 0;
	int m_shipIndex = 0;
	int m_shipX = 0;
	int m_shipY = 0;
	int m_lives = 0;
	int m_score = 0;
	int m_killed = 0;
	int m_killTarget = 0;
	int m_titleToggles = 0;
	int m_tickCounter = 0;
	int m_endingTicks = 0;
	bool m_titleShown = false;
	// Whether the engine's list holds this level's objects (built and not yet shut down).
	bool m_objectsBuilt = false;
	const char* m_playerName = nullptr;
	const char* m_shipImage = nullptr;
	const char* m_lifeIconImage = nullptr;

private:
	void drawStars();
	void drawHeader();
	void fireLaser();
	void turnAsteroids();
	void flashTitle();
	void setEntryVisible(int index, bool visible);
	// Hides the icons of lost lives; true when the game is over (the level is then gone).
	bool checkLives();
	// Runs one tick of the clear-and-scroll ending; true once the level was replaced.
	bool runEnding();
	void installFilter(FilterPoints* filter);
	void detachOwnFilter();
	void gameOver();
};
