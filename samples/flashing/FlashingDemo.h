#pragma once
// A flashing background: four dotted full-window backgrounds (black, dark red, dark green, dark
// blue) shown in turn, one per 200 ms tick, by pointing the engine's background at each.

#include "BaseEngine.h"

class FlashingDemo : public BaseEngine
{
public:
	FlashingDemo();
	// Frees the three extra surfaces' pixels (the engine's own surfaces are the framework's).
	~FlashingDemo() override;

	int createSurfaces() override;
	void drawBackground() override;
	void onBeforeUpdate() override;

	int getBackgroundIndex() const { return m_backgroundIndex; }
	// 0 the engine's own background surface, 1 to 3 the extra ones; null for other indices.
	PixelSurface* getCycleSurface(int index);

private:
	static const int cycleLength = 4;

	void sprinkleDots();

	PixelSurface m_surfaceA;
	PixelSurface m_surfaceB;
	PixelSurface m_surfaceC;
	int m_backgroundIndex = 0;
};
