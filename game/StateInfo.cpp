#include "StateInfo.h"

#include <SDL.h>

#include "ImageObject.h"
#include "PixelSurface.h"
#include "StateStart.h"
#include "TV4Engine.h"

namespace
{
const int objectSlots = 4;
const int backButtonSlot = 0;
const int detailsSlot = 2;
const int controlsSlot = 3;
const char* const backButtonImage = "images/BackButton2.png";
const char* const detailsImage = "images/DetailsImage.png";
const char* const controlsImage = "images/ControlsImage.png";
// Of all rand() % StarLayers::starChance results, this one marks a star site.
const int starRemainder = 1;
const int menuTrack = 0;
} // namespace

// The pictures clip themselves to the surface, so the zoom needs no filter after it.
StateInfo::StateInfo(TV4Engine* engine)
	: State(engine),
	  m_zoomFilter(0, 0, nullptr),
	  m_scrollFilter(0, 0, &m_zoomFilter),
	  m_starLayers(engine)
{
}

void StateInfo::createSurfaces()
{
	m_starLayers.createSurfaces(m_engine->getWidth(), m_engine->getHeight());
}

void StateInfo::drawBackground()
{
	m_engine->removeAllObjects(true);
	m_engine->fillBackground(0);
	m_starLayers.drawStarField(starRemainder);
	m_starLayers.setFilter(&m_scrollFilter);
	// From now on the pictures, and the mouse positions this screen receives, go through the zoom.
	m_engine->getForegroundSurface()->setFilter(&m_scrollFilter);
}

void StateInfo::createObjects()
{
	const int w = m_engine->getWidth();
	const int h = m_engine->getHeight();
	m_engine->markObjectsChanged();
	m_engine->removeAllObjects(true);
	m_engine->resetObjectSlots(objectSlots);
	m_backButton = new ImageObject(20, h - 120, m_engine, backButtonImage, true, true);
	m_engine->setObjectAt(backButtonSlot, m_backButton);
	m_engine->setObjectAt(detailsSlot, new ImageObject(w / 2 - 200, 50, m_engine, detailsImage, true, true));
	m_engine->setObjectAt(controlsSlot, new ImageObject(w / 2 - 200, 250, m_engine, controlsImage, true, true));
	m_engine->setAllObjectsVisible(true);
	m_engine->requestFullRedraw();
}

void StateInfo::beforeUpdate()
{
	if (PixelSurface* layer = m_starLayers.advance())
		m_engine->setBackgroundSurface(layer);
	m_engine->requestFullRedraw();
}

// Zooms about the window centre: the virtual point under it before the zoom is moved back under it.
void StateInfo::mouseWheel(int x, int y, int which, int timestamp)
{
	(void)x;
	(void)which;
	(void)timestamp;
	const int centreX = m_engine->getWidth() / 2;
	const int centreY = m_engine->getHeight() / 2;
	const int beforeX = m_engine->toVirtualX(centreX);
	const int beforeY = m_engine->toVirtualY(centreY);
	if (y < 0)
		m_zoomFilter.zoomOut();
	else if (y > 0)
		m_zoomFilter.zoomIn();
	const int afterX = m_engine->toVirtualX(centreX);
	const int afterY = m_engine->toVirtualY(centreY);
	m_scrollFilter.changeOffset(afterX - beforeX, afterY - beforeY);
	m_engine->requestFullRedraw();
}

void StateInfo::mouseDown(int button, int x, int y)
{
	if (button == SDL_BUTTON_LEFT && m_backButton != nullptr && m_backButton->containsPoint(x, y))
	{
		returnToMenu();
		return;
	}
	if (button == SDL_BUTTON_MIDDLE)
		resetZoom();
}

void StateInfo::resetZoom()
{
	m_zoomFilter.setFactors(0, 0);
	m_scrollFilter.setOffset(0, 0);
}

void StateInfo::returnToMenu()
{
	resetZoom();
	restoreEngineSurfaces();
	m_engine->changeState(new StateStart(m_engine), TV4Engine::redrawNewSurfaces, menuTrack, true);
}

// Nothing of the engine may keep pointing into this screen once it is gone: the foreground
// goes back to the engine's own clipping filter and frames start from the engine's own background.
void StateInfo::restoreEngineSurfaces()
{
	m_engine->getForegroundSurface()->setFilter(m_engine->getEngineFilter());
	m_engine->setBackgroundSurface(m_engine->getOwnBackgroundSurface());
}

void StateInfo::onShutdown()
{
	restoreEngineSurfaces();
	m_starLayers.freeSurfaces();
}
