#pragma once
// Dragable objects on a table that zooms (middle and right buttons, wheel) and scrolls (arrows)
// through a translation and a scaling filter, which also convert the mouse positions back.

#include "BaseEngine.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"

class ZoomPanDemo : public BaseEngine
{
public:
	ZoomPanDemo();

	int setUpContent() override;
	void drawBackground() override;
	int createObjects() override;
	void drawTextUnderObjects() override;
	void drawTextOverObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp) override;
	void onKeyDown(int key) override;

	FilterPointsScaling& getScaling() { return m_scaling; }
	FilterPointsTranslation& getTranslation() { return m_translation; }

private:
	FilterPointsScaling m_scaling;
	FilterPointsTranslation m_translation;
};
