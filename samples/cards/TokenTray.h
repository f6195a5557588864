#pragma once
// A box with a palette of token colours: a press on a colour makes a new token above the
// tray, a press on the crossed cell deletes the tokens lying on the tray.

#include "DragableTokenContainer.h"

class TokenTray : public DragableTokenContainer
{
public:
	static constexpr int trayWidth = 100;
	static constexpr int trayHeight = 75;

	TokenTray(BaseEngine* engine, int x, int y);

	bool offerClick(int button, int x, int y) override;

	// A loose token of that unit colour with its top-left at (x, y).
	void createToken(unsigned int unitColour, int x, int y);

private:
	// The header, the palette and the title, without the tokens lying on the tray.
	void drawBody() override;
	void pressPaletteCell(int column, int row, int x);
};
