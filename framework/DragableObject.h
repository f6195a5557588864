#pragma once
// A plain coloured rectangle that follows the mouse while dragged. Constructing one
// makes the engine forward every mouse event to every object.

#include "DragableBaseClassObject.h"

class DragableObject : public DragableBaseClassObject
{
public:
	// As DragableBaseClassObject's constructors, with the visible flag given; turns on the
	// engine's setMouseEventsToObjects() for every object (the engine must not be null).
	DragableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true, bool visible = true);
	DragableObject(BaseEngine* engine, int width, int height, bool topLeft = true, bool visible = true);

	// dragMove().
	void onMouseMove(int x, int y) override;
	// dragStart(), whatever the button: every object under the press starts a drag, so
	// overlapping objects move together.
	void onMouseDown(int button, int x, int y) override;
	// dragEnd(), whatever the button, then a full redraw, even when no drag was going on.
	void onMouseUp(int button, int x, int y) override;
};
