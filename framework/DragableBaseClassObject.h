#pragma once
// An object that can be dragged with the mouse: a press inside it starts a drag, moves
// keep the offset between the mouse and the object, a release ends the drag.

#include "DisplayableObject.h"

class DragableBaseClassObject : public DisplayableObject
{
public:
	DragableBaseClassObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true);
	DragableBaseClassObject(BaseEngine* engine, int width, int height, bool topLeft = true);

	virtual void requestRedraw();
	virtual void dragStart(int x, int y);
	virtual void dragMove(int x, int y);
	virtual void dragEnd(int x, int y);

	bool isBeingDragged() const { return m_dragging; }

protected:
	bool m_dragging = false;
	int m_objectStartX = 0;
	int m_objectStartY = 0;
	int m_mouseStartX = 0;
	int m_mouseStartY = 0;
};
