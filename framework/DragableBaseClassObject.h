#pragma once
// An object that can be dragged with the mouse: a press inside it starts a drag, moves
// keep the offset between the mouse and the object, a release ends the drag.

#include "DisplayableObject.h"

class DragableBaseClassObject : public DisplayableObject
{
public:
	// As DisplayableObject's constructors, not dragging. Nothing calls the drag steps below by
	// itself: a subclass calls them from its mouse hooks, or has the hooks below call them
	// with dragWithMouse() (DragableObject and DragableImageObject do).
	DragableBaseClassObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true);
	DragableBaseClassObject(BaseEngine* engine, int width, int height, bool topLeft = true);

	// The redraw every drag step asks for; default requestFullRedraw(). Override it with
	// redrawOwnArea() to rebuild only where the object was and where it goes.
	virtual void requestRedraw();
	// A press at the virtual (x, y): starts a drag only inside the object (containsPoint()),
	// remembering the mouse and the position, and requests a redraw. Elsewhere it does nothing.
	virtual void dragStart(int x, int y);
	// While dragging: moves the position so the offset between the mouse and the object stays
	// as at the start (not kept inside the window), with a redraw requested before and after.
	virtual void dragMove(int x, int y);
	// While dragging: ends the drag where the last move left the object (x and y are not
	// used) and requests a redraw. Otherwise nothing.
	virtual void dragEnd(int x, int y);

	// Between a dragStart() inside the object and the next dragEnd().
	bool isBeingDragged() const { return m_dragging; }

	// Called by the engine with mouse events for objects. Unless a subclass chose otherwise
	// with dragWithMouse(), they do nothing. Otherwise, whatever the button: a move is
	// dragMove(), a press dragStart(), a release dragEnd(), then a full redraw when chosen.
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;

protected:
	// What the mouse hooks above do.
	enum class MouseDrag
	{
		none,
		dragSteps,
		dragStepsAndRedrawOnRelease
	};
	// Called from a subclass's constructor: makes the mouse hooks drag the object as given and
	// turns on the engine's setMouseEventsToObjects(), which every object then receives.
	void dragWithMouse(MouseDrag how);

	bool m_dragging = false;
	int m_objectStartX = 0;
	int m_objectStartY = 0;
	int m_mouseStartX = 0;
	int m_mouseStartY = 0;
	MouseDrag m_mouseDrag = MouseDrag::none;
};
