#pragma once
// Shows a millisecond counter that someone else owns (the bonus game's survival time) as
// whole seconds, in the same place and style as the score.

#include "ScoreObject.h"

class TimeObject : public ScoreObject
{
public:
	// The counter must outlive the object.
	TimeObject(int x, int y, BaseEngine* engine, int* value, bool topLeft);

protected:
	int shownNumber() const override;
};
