#pragma once
// The simple demo: a grey background with a hexagon, triangle tiles and a picture, a steerable
// picture object, two self-moving shapes, and a count of mouse presses on top.

#include "BaseEngine.h"
#include "simple/QelvarTileManager.h"

class QelvarEngine : public BaseEngine
{
public:
	QelvarEngine();
	~QelvarEngine() override {}

	void drawBackground() override;
	int createObjects() override;
	void onMouseDown(int button, int x, int y) override;
	void drawTextUnderObjects() override;
	void drawTextOverObjects() override;

	int getClickCount() const { return m_clickCount; }
	QelvarTileManager& getTileManager() { return m_tileManager; }

private:
	int m_clickCount = 0;
	QelvarTileManager m_tileManager;
};
