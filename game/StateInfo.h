#pragma once
// The information screen: the game's details and controls pictures over pulsing star
// layers; the wheel zooms the pictures about the window centre, the middle button resets.

#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "StarLayers.h"
#include "State.h"

class ImageObject;

class StateInfo : public State
{
public:
	explicit StateInfo(TV4Engine* engine);

	void drawBackground() override;
	void createObjects() override;
	void mouseDown(int button, int x, int y) override;
	void mouseWheel(int x, int y, int which, int timestamp) override;
	void beforeUpdate() override;
	void createSurfaces() override;
	void onShutdown() override;

	// The zoom and scroll that the pictures are drawn through.
	const FilterPointsScaling& getZoomFilter() const { return m_zoomFilter; }
	const FilterPointsTranslation& getScrollFilter() const { return m_scrollFilter; }
	const StarLayers& getStarLayers() const { return m_starLayers; }

private:
	void resetZoom();
	void restoreEngineSurfaces();
	void returnToMenu();

	ImageObject* m_backButton = nullptr;
	FilterPointsScaling m_zoomFilter;
	FilterPointsTranslation m_scrollFilter;
	StarLayers m_starLayers;
};
