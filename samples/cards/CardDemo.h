#pragma once
// The card and token table sample: four suit boxes holding the pack, two token trays and
// a picture tile on a green table that pans with the arrow keys and zooms with the wheel.

#include "BaseEngine.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"

class CardDemo : public BaseEngine
{
public:
	static const char* const cardSheetUrl;
	static const char* const cardBackUrl;
	// Slots of the object list after set-up.
	static constexpr int tileSlot = 0;
	static constexpr int firstTraySlot = 1;
	static constexpr int firstBoxSlot = 3;
	static constexpr int slotCount = 9;

	CardDemo();

	int setUpContent() override;
	void drawBackground() override;
	int createObjects() override;
	void onKeyDown(int key) override;
	void onKeyUp(int key) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp) override;

	FilterPointsScaling& getScaling() { return m_scaling; }
	FilterPointsTranslation& getTranslation() { return m_translation; }

private:
	FilterPointsScaling m_scaling;
	FilterPointsTranslation m_translation;
};
