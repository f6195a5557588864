#pragma once
// Base of everything the engine keeps in its object list and draws each frame: a
// rectangle with a position, draw offset, size, colour and flags, plus virtual hooks
// for drawing, updating, input and messages between objects.
//
// Positions are virtual coordinates. A subclass moves in update() and draws in draw();
// the screen shows a move only once a redraw is requested (see BaseEngine).

class BaseEngine;

class DisplayableObject
{
public:
	// topLeft: (x, y) is the drawn rectangle's top-left corner; otherwise its centre. The
	// position is then moved so the rectangle lies inside the window, so construct objects
	// once the engine is initialised (createObjects() is the place).
	DisplayableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true);
	DisplayableObject(BaseEngine* engine, int width, int height, bool topLeft = true);
	DisplayableObject(const DisplayableObject&) = default;
	virtual ~DisplayableObject() {}

	// Draws the object on the foreground in every frame (the engine holds the lock). The
	// default fills the drawn rectangle with the colour when visible; overrides test
	// isVisible() themselves.
	virtual void draw();
	// Called on every update tick with the engine's game time (ms; it stands still while
	// paused). Move here, then request a redraw: redrawOwnArea() before and after the move,
	// or requestFullRedraw(). Default: nothing.
	virtual void update(int time) { (void)time; }
	// A message from another object or the engine (the container's notifyAllObjects() and
	// findTopmostByNotify() send it); code, arguments and result mean what the program says.
	virtual int notify(int code, int a, int b) { (void)code; (void)a; (void)b; return 0; }
	// Whether the container deletes the object when it removes it (true unless set otherwise).
	virtual bool deleteOnRemoval() { return m_deleteOnRemoval; }
	// Inside the drawn rectangle: left and top edges included, right and bottom excluded.
	virtual bool containsPoint(int x, int y);
	// Moves the object so its drawn rectangle's top-left corner is at (x, y).
	virtual void setDrawnTopLeft(int x, int y);
	// Input, sent only when the engine routes it to objects (setKeyEventsToObjects(),
	// setMouseEventsToObjects()): SDL key codes and button numbers, virtual positions.
	virtual void onKeyUp(int key) { (void)key; }
	virtual void onKeyDown(int key) { (void)key; }
	virtual void onMouseMove(int x, int y) { (void)x; (void)y; }
	virtual void onMouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onMouseUp(int button, int x, int y) { (void)button; (void)x; (void)y; }
	// A press offered to objects one by one (setMouseDownTopmostFirst(),
	// setMouseDownFirstToLast()); true claims it: that pass stops there and
	// onMouseDownNotHandled() is not called.
	virtual bool offerClick(int button, int x, int y) { (void)button; (void)x; (void)y; return false; }

	// The engine the object belongs to (not owned) and its position: the corner or the centre,
	// as chosen at construction.
	BaseEngine* getEngine() const { return m_engine; }
	int getX() const { return m_x; }
	int getY() const { return m_y; }
	// Neither kept inside the window nor redrawn.
	void setPosition(int x, int y) { m_x = x; m_y = y; }
	// The drawn rectangle: left and top edges are the position plus the draw offset; right
	// and bottom edges (left + width, top + height) lie just outside it.
	int getDrawWidth() const { return m_width; }
	int getDrawHeight() const { return m_height; }
	int getLeftEdge() const { return m_x + m_drawOffsetX; }
	int getRightEdge() const { return getLeftEdge() + m_width; }
	int getTopEdge() const { return m_y + m_drawOffsetY; }
	int getBottomEdge() const { return getTopEdge() + m_height; }
	int getCentreX() const { return getLeftEdge() + m_width / 2; }
	int getCentreY() const { return getTopEdge() + m_height / 2; }

	// Visibility and colour take effect at the next frame that draws the object; neither asks for one.
	bool isVisible() const { return m_visible; }
	void setVisible(bool visible) { m_visible = visible; }
	unsigned int getColour() const { return m_colour; }
	void setColour(unsigned int colour) { m_colour = colour; }
	// The draw offsets are kept as they were.
	void setSize(int width, int height) { m_width = width; m_height = height; }
	// False: the container only drops the object when it removes it, and its owner deletes it.
	void setDeleteOnRemoval(bool deleteOnRemoval) { m_deleteOnRemoval = deleteOnRemoval; }

	// The engine's draw and update passes mark the objects they have handled; programs leave it alone.
	bool isProcessedThisPass() const { return m_processed; }
	void setProcessedThisPass(bool processed) { m_processed = processed; }

	// The engine's redraw requests: the whole window, or the drawn rectangle where it is now.
	void requestFullRedraw();
	void redrawOwnArea();
	// Called from draw() during a partial frame: whether the drawn rectangle, converted to the
	// screen, meets the engine's dirty screen rectangle (bounds inclusive), the area the frame
	// copies from the background and redraws. It may answer true for an object that only
	// touches that area's edge; false when nothing is requested. It ignores a full redraw,
	// so a draw() that skips unchanged areas draws when this or isWholeScreenRedraw() holds.
	bool overlapsRedrawArea() const;
	// Moves the position so the drawn rectangle lies inside the window; one larger than the
	// window keeps its left or top edge at 0.
	void keepInsideWindow();

protected:
	// Called by overlapsRedrawArea() with the drawn rectangle, and by a subclass that draws past
	// it with all it draws: whether that virtual rectangle, converted to the screen, meets the
	// engine's dirty screen rectangle as overlapsRedrawArea() says.
	bool rectangleMeetsRedrawArea(long long left, long long top, long long width, long long height) const;

	BaseEngine* m_engine;
	int m_x;
	int m_y;
	int m_drawOffsetX;
	int m_drawOffsetY;
	int m_width;
	int m_height;
	unsigned int m_colour = 0xFF00FF;
	bool m_visible = true;
	bool m_processed = true;
	bool m_deleteOnRemoval = true;
};
