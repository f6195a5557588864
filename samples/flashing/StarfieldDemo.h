#pragma once
// A starfield that scrolls: one background of random dots shown shifted up by one more row
// every 50 ms update tick, the rows leaving at the top coming back at the bottom.

#include "BaseEngine.h"

class StarfieldDemo : public BaseEngine
{
public:
	StarfieldDemo();
	~StarfieldDemo() override {}

	void drawBackground() override;
	void onBeforeUpdate() override;
	// Window row y shows background row (y + scroll offset) mod window height.
	void copyBackgroundToForeground() override;

	int getScrollOffset() const { return m_scrollOffset; }

private:
	int m_scrollOffset = 0;
};
