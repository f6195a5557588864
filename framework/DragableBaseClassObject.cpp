#include "DragableBaseClassObject.h"

#include "BaseEngine.h"

DragableBaseClassObject::DragableBaseClassObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft)
	: DisplayableObject(x, y, engine, width, height, topLeft)
{
}

DragableBaseClassObject::DragableBaseClassObject(BaseEngine* engine, int width, int height, bool topLeft)
	: DisplayableObject(engine, width, height, topLeft)
{
}

void DragableBaseClassObject::requestRedraw()
{
	requestFullRedraw();
}

void DragableBaseClassObject::dragStart(int x, int y)
{
	if (!containsPoint(x, y))
		return;
	m_dragging = true;
	m_mouseStartX = x;
	m_mouseStartY = y;
	m_objectStartX = m_x;
	m_objectStartY = m_y;
	requestRedraw();
}

void DragableBaseClassObject::dragMove(int x, int y)
{
	if (!m_dragging)
		return;
	// Redraw where the object was and where it goes.
	requestRedraw();
	m_x = x + m_objectStartX - m_mouseStartX;
	m_y = y + m_objectStartY - m_mouseStartY;
	requestRedraw();
}

void DragableBaseClassObject::dragEnd(int x, int y)
{
	(void)x;
	(void)y;
	if (!m_dragging)
		return;
	m_dragging = false;
	requestRedraw();
}

void DragableBaseClassObject::dragWithMouse(MouseDrag how)
{
	m_mouseDrag = how;
	m_engine->setMouseEventsToObjects(true);
}

void DragableBaseClassObject::onMouseMove(int x, int y)
{
	if (m_mouseDrag != MouseDrag::none)
		dragMove(x, y);
}

void DragableBaseClassObject::onMouseDown(int button, int x, int y)
{
	(void)button;
	if (m_mouseDrag != MouseDrag::none)
		dragStart(x, y);
}

void DragableBaseClassObject::onMouseUp(int button, int x, int y)
{
	(void)button;
	if (m_mouseDrag == MouseDrag::none)
		return;
	dragEnd(x, y);
	// A plain dragable rectangle redraws on every release, dragging or not.
	if (m_mouseDrag == MouseDrag::dragStepsAndRedrawOnRelease)
		requestFullRedraw();
}
