#include "StateEnterDetails.h"

#include <string>

#include "GreyStarField.h"
#include "ImageObject.h"
#include "ImageObjectWithChangingImage.h"
#include "StateLevel1.h"
#include "StateStart.h"
#include "TV4Engine.h"

namespace
{
	const unsigned int textColour = 0xFFFFFF;
	const unsigned int nameColour = 0x8B0000;
	const char* const gameFont = "PixelGameFont.ttf";
	const int headingSize = 40;
	const int hintSize = 24;
	const int nameSize = 50;

	const int slotCount = 5;
	const int backSlot = 0;
	const int forwardSlot = 1;
	const int firstShipSlot = 2;
	const int leftButton = 1;
	const int backspaceKey = 8;
	const int upperCaseShift = 32;

	const char* const backImage = "images/BackButton2.png";
	const char* const forwardImage = "images/ForwardButton2.png";
	const char* const shipImages[] = {
		"images/HandDrawnShip2.png", "images/HandDrawnShipBlue2.png", "images/HandDrawnShipPurple2.png" };
	const char* const selectedShipImages[] = {
		"images/HandDrawnShipSelected2.png", "images/HandDrawnShipBlueSelected2.png",
		"images/HandDrawnShipPurpleSelected2.png" };
	// Horizontal offsets of the ships from the window's middle.
	const int shipOffsetsX[] = { -250, -50, 150 };

	const unsigned int menuTrack = 0;
	const unsigned int level1Track = 2;
}

StateEnterDetails::StateEnterDetails(TV4Engine* engine)
	: State(engine)
{
}

bool StateEnterDetails::isLetter(int key)
{
	return (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
}

void StateEnterDetails::drawBackground()
{
	m_engine->removeAllObjects(true);
	m_engine->lockBackgroundForDrawing();
	m_engine->fillBackground(0);
	const int width = m_engine->getWindowWidth();
	const int height = m_engine->getWindowHeight();
	GreyStarField::draw(m_engine);
	m_engine->drawBackgroundString(width / 2 - 290, height - 650, "Please type your name below", textColour,
		m_engine->getFont(gameFont, headingSize));
	m_engine->drawBackgroundString(width / 2 - 140, height - 500, "(max. 10 characters)", textColour,
		m_engine->getFont(gameFont, hintSize));
	m_engine->drawBackgroundString(width / 2 - 170, height - 350, "Select your ship:", textColour,
		m_engine->getFont(gameFont, headingSize));
	m_engine->unlockBackgroundForDrawing();
	m_engine->requestFullRedraw();
}

void StateEnterDetails::createObjects()
{
	m_engine->markObjectsChanged();
	m_engine->removeAllObjects(true);
	m_engine->resetObjectSlots(slotCount);

	const int w = m_engine->getWidth();
	const int h = m_engine->getHeight();
	m_backButton = new ImageObject(20, h - 120, m_engine, backImage, true, true);
	m_forwardButton = new ImageObject(w - 120, h - 120, m_engine, forwardImage, true, true);
	m_engine->setObjectAt(backSlot, m_backButton);
	m_engine->setObjectAt(forwardSlot, m_forwardButton);
	for (int ship = 0; ship < shipCount; ++ship)
	{
		m_ships[ship] = new ImageObjectWithChangingImage(w / 2 + shipOffsetsX[ship], h - 250, m_engine,
			shipImages[ship], true, true);
		m_engine->setObjectAt(firstShipSlot + ship, m_ships[ship]);
	}

	m_engine->setAllObjectsVisible(true);
	m_forwardButton->setVisible(false);
	m_engine->requestFullRedraw();
}

void StateEnterDetails::onShutdown()
{
	m_engine->removeAllObjects(true);
}

bool StateEnterDetails::anyShipSelected() const
{
	return m_selected[0] || m_selected[1] || m_selected[2];
}

void StateEnterDetails::updateForwardButton()
{
	if (m_forwardButton != nullptr)
		m_forwardButton->setVisible(m_nextPosition > 1 && anyShipSelected());
}

void StateEnterDetails::keyDown(int key)
{
	if (key == backspaceKey)
	{
		if (m_nextPosition > 1)
		{
			--m_nextPosition;
			m_name[m_nextPosition] = ' ';
		}
	}
	else if (isLetter(key) && m_nextPosition <= maxNameLetters)
	{
		m_name[m_nextPosition] = static_cast<char>(m_nextPosition == 1 ? key - upperCaseShift : key);
		++m_nextPosition;
	}
	updateForwardButton();
	m_engine->requestFullRedraw();
}

// Drawn inside the frame's own lock of the foreground surface.
void StateEnterDetails::drawOnTop()
{
	m_engine->drawForegroundString(m_engine->getWindowWidth() / 2 - 160, m_engine->getWindowHeight() - 575, m_name,
		nameColour, m_engine->getFont(gameFont, nameSize));
}

void StateEnterDetails::mouseMoved(int x, int y)
{
	for (int ship = 0; ship < shipCount; ++ship)
		if (!m_selected[ship])
			m_ships[ship]->setImage(m_ships[ship]->containsPoint(x, y) ? selectedShipImages[ship] : shipImages[ship]);
	updateForwardButton();
	m_engine->requestFullRedraw();
}

int StateEnterDetails::selectedShip() const
{
	if (m_selected[0])
		return 0;
	return m_selected[1] ? 1 : 2;
}

void StateEnterDetails::selectShip(int chosen)
{
	for (int ship = 0; ship < shipCount; ++ship)
	{
		m_selected[ship] = ship == chosen;
		m_ships[ship]->setImage(ship == chosen ? selectedShipImages[ship] : shipImages[ship]);
	}
}

// The ten letter positions, unused ones included; the engine keeps what comes before the first zero.
// Level 1 reads score, lives and ship position from the engine, so they are reset first.
void StateEnterDetails::startGame()
{
	m_engine->resetGameProgress();
	m_engine->setPlayerDetails(std::string(m_name + 1, maxNameLetters), selectedShip());
	m_engine->changeState(new StateLevel1(m_engine), TV4Engine::redrawObjectsThenBackground, level1Track, true);
}

// The switches below delete this screen: each returns at once after it.
void StateEnterDetails::mouseDown(int button, int x, int y)
{
	if (button != leftButton)
	{
		updateForwardButton();
		return;
	}
	if (m_backButton->containsPoint(x, y))
	{
		m_engine->changeState(new StateStart(m_engine), TV4Engine::redrawObjectsThenBackground, menuTrack, true);
		return;
	}
	if (m_forwardButton->containsPoint(x, y) && m_forwardButton->isVisible())
	{
		startGame();
		return;
	}
	for (int ship = 0; ship < shipCount; ++ship)
	{
		if (m_ships[ship]->containsPoint(x, y))
		{
			selectShip(ship);
			break;
		}
	}
	updateForwardButton();
}
