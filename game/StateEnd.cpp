#include "StateEnd.h"

#include "GreyStarField.h"
#include "ImageObject.h"
#include "StateStart.h"
#include "TV4Engine.h"

namespace
{
	const int quitKey = 'q';
	const unsigned int menuTrack = 0;
	const char* const winningImage = "images/WinningImage.png";
	const char* const losingImage = "images/LosingImage.png";
}

StateEnd::StateEnd(TV4Engine* engine, bool won)
	: State(engine), m_won(won)
{
}

void StateEnd::drawBackground()
{
	m_engine->fillBackground(0);
	m_engine->lockBackgroundForDrawing();
	GreyStarField::draw(m_engine);
	m_engine->unlockBackgroundForDrawing();
}

void StateEnd::createObjects()
{
	m_engine->markObjectsChanged();
	m_engine->removeAllObjects(true);
	m_engine->resetObjectSlots(1);
	m_engine->setObjectAt(0, new ImageObject(m_engine->getWidth() / 2 - 200, 50, m_engine,
		m_won ? winningImage : losingImage, true, false));
	m_engine->setAllObjectsVisible(true);
	m_engine->requestFullRedraw();
}

// The switch deletes this screen: nothing may follow it.
void StateEnd::keyDown(int key)
{
	if (key == quitKey)
		m_engine->changeState(new StateStart(m_engine), TV4Engine::redrawBackgroundThenObjects, menuTrack, true);
}
