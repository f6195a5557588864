#include "flashing/FlashingDemo.h"

#include "common/RandomDotBackground.h"

namespace
{
	const int updatePeriod = 200;
	const unsigned int ownColour = 0x000000;
	const unsigned int surfaceAColour = 0x400000;
	const unsigned int surfaceBColour = 0x004000;
	const unsigned int surfaceCColour = 0x000040;
}

FlashingDemo::FlashingDemo() : m_surfaceA(this), m_surfaceB(this), m_surfaceC(this)
{
	setUpdatePeriod(updatePeriod);
}

FlashingDemo::~FlashingDemo()
{
	// The base must not be left pointing at a surface whose pixels are gone.
	m_backgroundSurface = &m_backgroundSurfaceStorage;
	for (PixelSurface* surface : { &m_surfaceA, &m_surfaceB, &m_surfaceC })
		SDL_FreeSurface(surface->getSDLSurface());
}

int FlashingDemo::createSurfaces()
{
	const int result = BaseEngine::createSurfaces();
	m_surfaceA.createSurface(getWindowWidth(), getWindowHeight());
	m_surfaceB.createSurface(getWindowWidth(), getWindowHeight());
	m_surfaceC.createSurface(getWindowWidth(), getWindowHeight());
	return result;
}

PixelSurface* FlashingDemo::getCycleSurface(int index)
{
	PixelSurface* surfaces[cycleLength] = { &m_backgroundSurfaceStorage, &m_surfaceA, &m_surfaceB, &m_surfaceC };
	return index >= 0 && index < cycleLength ? surfaces[index] : nullptr;
}

// Runs at set-up, while the background pointer is still the engine's own surface.
void FlashingDemo::drawBackground()
{
	fillBackground(ownColour);
	m_surfaceA.fill(surfaceAColour);
	m_surfaceB.fill(surfaceBColour);
	m_surfaceC.fill(surfaceCColour);
	m_surfaceA.mySDLLockSurface();
	m_surfaceB.mySDLLockSurface();
	m_surfaceC.mySDLLockSurface();
	sprinkleDots();
	m_surfaceA.mySDLUnlockSurface();
	m_surfaceB.mySDLUnlockSurface();
	m_surfaceC.mySDLUnlockSurface();
}

// Four independent draws per pixel, in the order own background, A, B, C.
void FlashingDemo::sprinkleDots()
{
	const bool extraSurfacesReady = m_surfaceA.getSDLSurface() && m_surfaceB.getSDLSurface() && m_surfaceC.getSDLSurface();
	for (int x = 0; x < getWindowWidth(); x++)
		for (int y = 0; y < getWindowHeight(); y++)
		{
			unsigned int colour;
			if (RandomDotBackground::pickDotColour(colour))
				setBackgroundPixel(x, y, colour);
			for (PixelSurface* surface : { &m_surfaceA, &m_surfaceB, &m_surfaceC })
				if (RandomDotBackground::pickDotColour(colour) && extraSurfacesReady)
					surface->rawSetPixel(x, y, colour);
		}
}

void FlashingDemo::onBeforeUpdate()
{
	m_backgroundIndex = (m_backgroundIndex + 1) % cycleLength;
	m_backgroundSurface = getCycleSurface(m_backgroundIndex);
	requestFullRedraw();
}
