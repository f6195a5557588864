#pragma once
// A plain coloured rectangle that follows the mouse while dragged. Constructing one
// makes the engine forward every mouse event to every object.

#include "DragableBaseClassObject.h"

class DragableObject : public DragableBaseClassObject
{
public:
	DragableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true, bool visible = true);
	DragableObject(BaseEngine* engine, int width, int height, bool topLeft = true, bool visible = true);

	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;
};
