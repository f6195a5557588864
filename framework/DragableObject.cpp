#include "DragableObject.h"

#include "BaseEngine.h"

DragableObject::DragableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft, bool visible)
	: DragableBaseClassObject(x, y, engine, width, height, topLeft)
{
	engine->setMouseEventsToObjects(true);
	setVisible(visible);
}

DragableObject::DragableObject(BaseEngine* engine, int width, int height, bool topLeft, bool visible)
	: DragableBaseClassObject(engine, width, height, topLeft)
{
	engine->setMouseEventsToObjects(true);
	setVisible(visible);
}

void DragableObject::onMouseMove(int x, int y)
{
	dragMove(x, y);
}

void DragableObject::onMouseDown(int button, int x, int y)
{
	(void)button;
	dragStart(x, y);
}

void DragableObject::onMouseUp(int button, int x, int y)
{
	(void)button;
	dragEnd(x, y);
	requestFullRedraw();
}
