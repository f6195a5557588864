#pragma once
// Shows a counter that someone else owns (the level's score) as a number in the top-right
// corner of the window, wherever the object itself stands.

#include "DisplayableObject.h"

class ScoreObject : public DisplayableObject
{
public:
	// The counter must outlive the object.
	ScoreObject(int x, int y, BaseEngine* engine, int* value, bool topLeft);

	void draw() override;

protected:
	// The number the display shows for the counter's value.
	virtual int shownNumber() const { return *m_value; }

	int* m_value;
};
