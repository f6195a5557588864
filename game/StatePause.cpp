#include "StatePause.h"

#include "DisplayableObject.h"
#include "SavedGame.h"
#include "StateLevel.h"
#include "StateStart.h"
#include "TV4Engine.h"

namespace
{
	const int resumeKey = 'p';
	const int saveKey = 's';
	const int quitKey = 'q';
	const unsigned int menuTrack = 0;
}

StatePause::StatePause(TV4Engine* engine, StateLevel* level)
	: State(engine), m_level(level)
{
	m_engine->pause();
	setListEntryVisible(StateLevel::pauseImageSlot, true);
}

void StatePause::setListEntryVisible(int entry, bool visible)
{
	DisplayableObject* object = m_engine->getObjectAt(entry);
	if (object != nullptr)
		object->setVisible(visible);
}

// resume() and giveUp() delete this screen: nothing may follow them.
void StatePause::keyDown(int key)
{
	switch (key)
	{
	case resumeKey:
		resume();
		return;
	case saveKey:
		save();
		return;
	case quitKey:
		giveUp();
		return;
	default:
		return;
	}
}

void StatePause::resume()
{
	setListEntryVisible(StateLevel::pauseImageSlot, false);
	setListEntryVisible(StateLevel::savedImageSlot, false);
	m_engine->changeState(m_level, TV4Engine::redrawNone, TV4Engine::noTrack, false);
	m_engine->unpause();
	delete this;
}

// The saved picture shows only when the file was really written.
void StatePause::save()
{
	if (saveGame())
		setListEntryVisible(StateLevel::savedImageSlot, true);
}

bool StatePause::saveGame()
{
	return SavedGame().write(*m_engine);
}

void StatePause::removeLevelFilters()
{
	m_engine->getBackgroundSurface()->setFilter(nullptr);
	m_engine->getForegroundSurface()->setFilter(nullptr);
}

// The level's objects point into the level (counters, rotations): they go before it does,
// so nothing of the level stays reachable once it is deleted.
void StatePause::giveUp()
{
	removeLevelFilters();
	m_engine->markObjectsChanged();
	m_engine->removeAllObjects(true);
	delete m_level;
	m_level = nullptr;
	m_engine->changeState(new StateStart(m_engine), TV4Engine::redrawBackgroundThenObjects, menuTrack, false);
	m_engine->unpause();
	delete this;
}

void StatePause::onShutdown()
{
	if (m_level == nullptr)
		return;
	removeLevelFilters();
	m_level->onShutdown();
	delete m_level;
	m_level = nullptr;
}
