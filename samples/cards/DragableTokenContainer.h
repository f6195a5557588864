#pragma once
// A box on the card table that can be dragged and that holds child objects (tokens) in a
// list of its own; the children move with it and are picked out of it by a press.

#include "DisplayableObjectContainer.h"
#include "DragableBaseClassObject.h"

class DragableTokenContainer : public DragableBaseClassObject, public DisplayableObjectContainer
{
public:
	DragableTokenContainer(int x, int y, BaseEngine* engine, int width, int height, bool topLeft, bool visible);

	// When visible: the body where the frame needs it (drawBody()), then every child, each of
	// which decides for itself, as it may lie outside the body.
	void draw() override;
	int notify(int code, int a, int b) override;
	void setDrawnTopLeft(int x, int y) override;
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;
	bool offerClick(int button, int x, int y) override;
	void requestRedraw() override;
	virtual void bringToFront();

	// Takes the topmost child under the point out of this box onto the engine's list and
	// starts dragging it; false when no child is under the point.
	bool pickChild(int x, int y);
	void drawChildren();

protected:
	// Whether a draw pass has anything to do for this object's own rectangle; its children
	// decide for themselves, as they may lie outside it.
	bool needsDrawing() const;
	// Asks for the redraw of all each child draws, wherever it lies.
	void redrawChildren();
	// Drags to the point and moves the children by however far this object went.
	void dragMoveWithChildren(int x, int y);
	// What draw() shows of the object itself, without the children: here a yellow box and
	// its label; boxes and trays draw their own.
	virtual void drawBody();
};
