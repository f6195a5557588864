#pragma once
// The jigsaw sample: one picture cut into pieces laid out shuffled on a table that scrolls
// and zooms, corner buttons for the click mode and the zoom, and a centre button that
// saves the pieces to a text file from which the next start restores them.

#include <functional>
#include <string>

#include "BaseEngine.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "JigsawShapeMask.h"
#include "JigsawStateFile.h"

class JigsawDemo : public BaseEngine
{
public:
	// What a left click on a piece does.
	static constexpr int clickModeDrag = 0;
	static constexpr int clickModeTurnClockwise = 1;
	static constexpr int clickModeTurnAnticlockwise = 2;

	// Outlines in the order the masks are kept.
	enum MaskKind
	{
		maskMiddle,
		maskTopLeft,
		maskLeft,
		maskBottomLeft,
		maskBottom,
		maskBottomRight,
		maskRight,
		maskTopRight,
		maskTop,
		maskCount
	};

	static const char* const imageUrl;
	static const char* const stateFileName;

	// The state file's name can be changed (tests keep theirs apart); the program uses the default.
	explicit JigsawDemo(std::string stateFilePath = stateFileName);

	void drawBackground() override;
	int setUpContent() override;
	int createObjects() override;
	void onKeyDown(int key) override;
	void onKeyUp(int key) override;
	void onRawMouseDown(int button, int x, int y) override;
	void onMouseDownNotHandled(int button, int windowX, int windowY, int virtualX, int virtualY) override;
	void onMouseMove(int x, int y) override;
	void onMouseUp(int button, int x, int y) override;
	void onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp) override;
	void drawTextOverObjects() override;

	void saveState();
	int getClickMode() const { return m_clickMode; }
	void zoomIn();
	void zoomOut();

	FilterPointsScaling& getScaling() { return m_scaling; }
	FilterPointsTranslation& getTranslation() { return m_translation; }
	const JigsawShapeMask& getMask(MaskKind kind) const { return m_masks[kind]; }
	bool isPanning() const { return m_panning; }

private:
	void buildMasks();
	const JigsawShapeMask* maskForSource(int sourceX, int sourceY, int columns, int rows) const;
	void joinAllPieces();
	void panTo(int x, int y);
	void keepCentreWhile(const std::function<void()>& zoom);
	void drawCentreButton();
	void drawModeAndZoomButtons();

	FilterPointsScaling m_scaling;
	FilterPointsTranslation m_translation;
	int m_clickMode = clickModeDrag;
	bool m_panning = false;
	int m_panStartX = 0;
	int m_panStartY = 0;
	JigsawShapeMask m_masks[maskCount];
	JigsawStateFile m_stateFile;
};
