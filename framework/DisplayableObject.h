#pragma once
// Base of everything the engine keeps in its object list and draws each frame: a
// rectangle with a position, draw offset, size, colour and flags, plus virtual hooks
// for drawing, updating, input and messages between objects.

class BaseEngine;

class DisplayableObject
{
public:
	DisplayableObject(int x, int y, BaseEngine* engine, int width, int height, bool topLeft = true);
	DisplayableObject(BaseEngine* engine, int width, int height, bool topLeft = true);
	DisplayableObject(const DisplayableObject&) = default;
	virtual ~DisplayableObject() {}

	virtual void draw();
	virtual void update(int time) { (void)time; }
	virtual int notify(int code, int a, int b) { (void)code; (void)a; (void)b; return 0; }
	virtual bool deleteOnRemoval() { return m_deleteOnRemoval; }
	virtual bool containsPoint(int x, int y);
	virtual void setDrawnTopLeft(int x, int y);
	virtual void onKeyUp(int key) { (void)key; }
	virtual void onKeyDown(int key) { (void)key; }
	virtual void onMouseMove(int x, int y) { (void)x; (void)y; }
	virtual void onMouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	virtual void onMouseUp(int button, int x, int y) { (void)button; (void)x; (void)y; }
	// A press offered to objects one by one; true claims it.
	virtual bool offerClick(int button, int x, int y) { (void)button; (void)x; (void)y; return false; }

	BaseEngine* getEngine() const { return m_engine; }
	int getX() const { return m_x; }
	int getY() const { return m_y; }
	void setPosition(int x, int y) { m_x = x; m_y = y; }
	int getDrawWidth() const { return m_width; }
	int getDrawHeight() const { return m_height; }
	int getLeftEdge() const { return m_x + m_drawOffsetX; }
	int getRightEdge() const { return getLeftEdge() + m_width; }
	int getTopEdge() const { return m_y + m_drawOffsetY; }
	int getBottomEdge() const { return getTopEdge() + m_height; }
	int getCentreX() const { return getLeftEdge() + m_width / 2; }
	int getCentreY() const { return getTopEdge() + m_height / 2; }

	bool isVisible() const { return m_visible; }
	void setVisible(bool visible) { m_visible = visible; }
	unsigned int getColour() const { return m_colour; }
	void setColour(unsigned int colour) { m_colour = colour; }
	// The draw offsets are kept as they were.
	void setSize(int width, int height) { m_width = width; m_height = height; }
	void setDeleteOnRemoval(bool deleteOnRemoval) { m_deleteOnRemoval = deleteOnRemoval; }

	bool isProcessedThisPass() const { return m_processed; }
	void setProcessedThisPass(bool processed) { m_processed = processed; }

	void requestFullRedraw();
	void redrawOwnArea();
	bool overlapsRedrawArea() const;
	void keepInsideWindow();

protected:
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
