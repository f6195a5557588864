#pragma once
// A playing card with two sides (each a part of an image) or a one-sided picture tile;
// dragged about the card table, flipped, shown at half or full size, dropped into boxes.

#include <string>

#include "DragableTokenContainer.h"
#include "ImageHandle.h"

class CardOrTile : public DragableTokenContainer
{
public:
	// The image part of one side; -1 as width or height reaches the image's right or bottom
	// edge, fixed when the side is first loaded.
	struct SideRect
	{
		int x;
		int y;
		int width;
		int height;
	};

	// Which side the image handle holds; a card shown on side B first loads side B.
	enum class LoadedSide
	{
		none,
		sideA,
		sideB
	};

	// A card.
	CardOrTile(BaseEngine* engine, int x, int y, std::string sideAUrl, int sideAX, int sideAY, int sideAWidth,
		int sideAHeight, std::string sideBUrl, int sideBX, int sideBY, int sideBWidth, int sideBHeight, int width,
		int height, int scale, bool topLeft);
	// A tile: the whole picture, sized by it once it is loaded.
	CardOrTile(BaseEngine* engine, int x, int y, std::string url, int scale, bool topLeft);

	void draw() override;
	void onMouseUp(int button, int x, int y) override;
	bool offerClick(int button, int x, int y) override;
	void bringToFront() override;

	// The colour of this image pixel (coordinates wrap) becomes transparent; negative: none.
	void setTileKey(int x, int y);
	void ensureSideLoaded();
	void loadSideA();
	void loadSideB();
	void applyKeyColour();

	bool isTile() const { return m_isTile; }
	bool isShowingSideA() const { return m_showSideA; }
	LoadedSide getLoadedSide() const { return m_loadedSide; }
	int getScale() const { return m_scale; }
	const ImageHandle& getImage() const { return m_image; }

private:
	void loadSide(LoadedSide side, const std::string& url, SideRect& rect);
	void drawLoadFailed(int left, int top);
	void flip();
	void toggleScale();

	std::string m_sideAUrl;
	SideRect m_sideA;
	std::string m_sideBUrl;
	SideRect m_sideB;
	ImageHandle m_image;
	LoadedSide m_loadedSide = LoadedSide::none;
	bool m_showSideA = true;
	bool m_isTile;
	int m_scale;
	int m_baseScale;
	int m_keyX = -1;
	int m_keyY = -1;
	int m_keyColour = -1;
	SideRect m_current = {0, 0, 0, 0};
};
