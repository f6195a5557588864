#pragma once
// A plain coloured rectangle that follows the mouse while dragged. Constructing one
// makes the engine forward every mouse event to every object.

#include "DragableBaseClassObject.h"

class DragableObject : public DragableBaseClassObject
{
public:
	// As DragableBaseClassObject's constructors, with the visible flag given; turns on the
	// engine's setMouseEventsToObjects() for every object (the engine must not be null).
	// The mouse hooks are then the drag steps, whatever the button: every object under a press
	// starts a drag, so overlapping objects move together, and every release requests a full
	// redraw, even when no drag was going on.
	DragableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true, bool visible = true);
	DragableObject(BaseEngine* engine, int width, int height, bool topLeft = true, bool visible = true);
};
