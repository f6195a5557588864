#pragma once
// One screen of the game: receives the engine hooks that TV4Engine forwards while it is
// the current screen, and releases what it holds in onShutdown().

class TV4Engine;

class State
{
public:
	explicit State(TV4Engine* engine) : m_engine(engine) {}
	// Screens are deleted through State pointers; everything they hold is released in
	// onShutdown(), so the destructor itself has nothing to release.
	virtual ~State() = default;
	State(const State&) = delete;
	State& operator=(const State&) = delete;

	virtual void drawBackground() {}
	virtual void createObjects() {}
	virtual void mouseMoved(int x, int y) { (void)x; (void)y; }
	// Button 1 is the left button, 2 the middle one.
	virtual void mouseDown(int button, int x, int y) { (void)button; (void)x; (void)y; }
	// y > 0 is a turn away from the user.
	virtual void mouseWheel(int x, int y, int which, int timestamp) { (void)x; (void)y; (void)which; (void)timestamp; }
	virtual void afterEvents() {}
	virtual void beforeRender() {}
	virtual void beforeUpdate() {}
	virtual void keyUp(int key) { (void)key; }
	virtual void keyDown(int key) { (void)key; }
	virtual void drawOnTop() {}
	virtual void createSurfaces() {}
	virtual void onShutdown() {}

	TV4Engine* getEngine() const { return m_engine; }

protected:
	TV4Engine* m_engine;
};
