#pragma once
// Six full-window star fields with the same star sites, the stars growing and brightening
// from one layer to the next; shown in turn as the engine's background they make the stars pulse.

#include <memory>

class BaseEngine;
class FilterPoints;
class PixelSurface;

class StarLayers
{
public:
	static constexpr int layerCount = 6;

	explicit StarLayers(BaseEngine* engine);
	~StarLayers();
	StarLayers(const StarLayers&) = delete;
	StarLayers& operator=(const StarLayers&) = delete;

	// Gives every layer pixel storage of the given size (replacing any it had).
	void createSurfaces(int width, int height);
	// Clears every layer to black and puts a star on all of them at each site x in
	// [margin, width - margin - 1], y likewise, where rand() % starChance equals starRemainder.
	void drawStarField(int starRemainder);
	void setFilter(FilterPoints* filter);
	// Frees the pixel storage of every layer; the layers then have none until createSurfaces.
	void freeSurfaces();

	// One update tick of the cycle 1, 2, ..., 6, 5, ..., 1, 2, ...: the layer to show from now
	// on when this tick changes it, otherwise null.
	PixelSurface* advance();

	// Layers are numbered 1 to 6; null outside that range.
	PixelSurface* getLayer(int number) const;
	int getCurrentLayer() const { return m_currentLayer; }

	static constexpr int starChance = 4000;
	// No star centre lies closer than this to an edge, so a whole star always fits.
	static constexpr int margin = 5;

private:
	void drawStar(int x, int y);

	BaseEngine* m_engine;
	std::unique_ptr<PixelSurface> m_layers[layerCount];
	int m_tickCounter = 0;
	int m_currentLayer = 1;
	int m_layerStep = 1;
};
