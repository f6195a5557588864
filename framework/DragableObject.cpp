#include "DragableObject.h"

DragableObject::DragableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft, bool visible)
	: DragableBaseClassObject(x, y, engine, width, height, topLeft)
{
	dragWithMouse(MouseDrag::dragStepsAndRedrawOnRelease);
	setVisible(visible);
}

DragableObject::DragableObject(BaseEngine* engine, int width, int height, bool topLeft, bool visible)
	: DragableBaseClassObject(engine, width, height, topLeft)
{
	dragWithMouse(MouseDrag::dragStepsAndRedrawOnRelease);
	setVisible(visible);
}

