#include "StarLayers.h"

#include <SDL.h>

#include <cstdlib>

#include "BaseEngine.h"
#include "PixelSurface.h"

namespace
{
struct StarShape
{
	unsigned int colour;
	int radius;
};

// Layer 1 first: the same star, larger and lighter on every later layer.
const StarShape starShapes[StarLayers::layerCount] = {
	{0x282828, 1}, {0x404040, 1}, {0x585858, 2}, {0x696969, 2}, {0x808080, 3}, {0x989898, 3},
};

// A layer is shown for this many ticks before the next one takes over.
const int ticksPerLayer = 7;
} // namespace

StarLayers::StarLayers(BaseEngine* engine) : m_engine(engine)
{
	for (auto& layer : m_layers)
		layer.reset(new PixelSurface(engine));
}

StarLayers::~StarLayers()
{
	freeSurfaces();
}

void StarLayers::createSurfaces(int width, int height)
{
	freeSurfaces();
	for (auto& layer : m_layers)
		layer->createSurface(width, height);
}

void StarLayers::freeSurfaces()
{
	for (auto& layer : m_layers)
	{
		if (layer->getSDLSurface() == nullptr)
			continue;
		SDL_FreeSurface(layer->getSDLSurface());
		// A surface object cannot forget its SDL surface, so a fresh one replaces it,
		// keeping the filter that was installed.
		FilterPoints* filter = layer->getFilter();
		layer.reset(new PixelSurface(m_engine));
		layer->setFilter(filter);
	}
}

void StarLayers::setFilter(FilterPoints* filter)
{
	for (auto& layer : m_layers)
		layer->setFilter(filter);
}

void StarLayers::drawStarField(int starRemainder)
{
	const int width = m_layers[0]->getWidth();
	const int height = m_layers[0]->getHeight();
	for (auto& layer : m_layers)
	{
		layer->fill(0);
		layer->mySDLLockSurface();
	}
	for (int x = margin; x < width - margin; ++x)
		for (int y = margin; y < height - margin; ++y)
			if (rand() % starChance == starRemainder)
				drawStar(x, y);
	for (auto& layer : m_layers)
		layer->mySDLUnlockSurface();
}

// A diamond: every pixel within the layer's radius in the |dx| + |dy| sense.
void StarLayers::drawStar(int x, int y)
{
	for (int i = 0; i < layerCount; ++i)
	{
		const int radius = starShapes[i].radius;
		for (int dx = -radius; dx <= radius; ++dx)
		{
			const int reach = radius - std::abs(dx);
			for (int dy = -reach; dy <= reach; ++dy)
				m_layers[i]->rawSetPixel(x + dx, y + dy, starShapes[i].colour);
		}
	}
}

PixelSurface* StarLayers::advance()
{
	if (++m_tickCounter < ticksPerLayer)
		return nullptr;
	m_currentLayer += m_layerStep;
	if (m_currentLayer == layerCount || m_currentLayer == 1)
		m_layerStep = -m_layerStep;
	m_tickCounter = 0;
	return getLayer(m_currentLayer);
}

PixelSurface* StarLayers::getLayer(int number) const
{
	if (number < 1 || number > layerCount)
		return nullptr;
	return m_layers[number - 1].get();
}
