#pragma once
// The new-game screen: the player types a name of up to ten letters and clicks one of
// three ships; forward stores both in the engine and starts a new game at level 1.

#include "State.h"

class ImageObject;
class ImageObjectWithChangingImage;

class StateEnterDetails : public State
{
public:
	static constexpr int maxNameLetters = 10;

	explicit StateEnterDetails(TV4Engine* engine);

	void drawBackground() override;
	void createObjects() override;
	void mouseMoved(int x, int y) override;
	void mouseDown(int button, int x, int y) override;
	void keyDown(int key) override;
	void drawOnTop() override;
	void onShutdown() override;

	static bool isLetter(int key);
	void updateForwardButton();

	// The name buffer as drawn: a leading space, then the typed letters.
	const char* getNameBuffer() const { return m_name; }
	bool isShipSelected(int ship) const { return m_selected[ship]; }

private:
	static const int shipCount = 3;

	bool anyShipSelected() const;
	int selectedShip() const;
	void selectShip(int ship);
	void startGame();

	char m_name[maxNameLetters + 2] = { ' ' };
	int m_nextPosition = 1;
	ImageObject* m_backButton = nullptr;
	ImageObject* m_forwardButton = nullptr;
	ImageObjectWithChangingImage* m_ships[shipCount] = { nullptr, nullptr, nullptr };
	bool m_selected[shipCount] = { false, false, false };
};
