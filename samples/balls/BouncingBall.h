#pragma once
// A shaded disc in one of eight colours with an optional label, positioned by its centre; 'd' held
// while drawing, or a middle press anywhere, rebuilds the scene through the engine's createObjects.

#include "DisplayableObject.h"

class BouncingBall : public DisplayableObject
{
public:
	// The label is not copied: it must outlive the ball.
	BouncingBall(BaseEngine* engine, int size, int colourIndex, const char* label, int labelOffsetX, int labelOffsetY);
	~BouncingBall() override {}

	void draw() override;
	void update(int time) override;
	void onMouseDown(int button, int x, int y) override;

	// One unit of each channel the ball shows (0x010000 red, ...), and its label's colour.
	static unsigned int unitColourFor(int colourIndex);
	static unsigned int labelColourFor(int colourIndex);

protected:
	void drawShadedDisc();
	void drawLabel();

	int m_colourIndex;
	const char* m_label;
	int m_labelOffsetX;
	int m_labelOffsetY;
};
