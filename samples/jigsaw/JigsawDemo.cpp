#include "JigsawDemo.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "ImageManager.h"
#include "JigsawPiece.h"
#include "PixelSurface.h"
#include "common/TableScrollKeys.h"

const char* const JigsawDemo::imageUrl = "images/mountain-4635428_480.jpg";
const char* const JigsawDemo::stateFileName = "jigsaw_simple_save_state.txt";

namespace
{
const unsigned int tableColour = 0x404040;
const unsigned int buttonBlack = 0x000000;
const unsigned int buttonYellow = 0xFFFF00;
const unsigned int buttonWhite = 0xFFFFFF;
const int layoutPitch = 75;
const int buttonSize = 50;
const int centreHalf = 25;
const int leftButton = 1;
const int escapeKey = 27;
} // namespace

JigsawDemo::JigsawDemo(std::string stateFilePath)
	: m_scaling(0, 0, getEngineFilter()),
	  m_translation(0, 0, &m_scaling),
	  m_stateFile(std::move(stateFilePath))
{
	buildMasks();
	// Pieces take presses only through offerClick, the one drawn on top first.
	setMouseDownTopmostFirst(true);
}

void JigsawDemo::buildMasks()
{
	const int size = JigsawPiece::pieceSize;
	const int cell = JigsawPiece::cellSize;
	// The outer sides of the picture have neither gaps (left, top) nor tabs (right, bottom).
	struct Sides
	{
		bool leftGap, topGap, rightTab, bottomTab;
	};
	const Sides sides[maskCount] = {
		{true, true, true, true},     // middle
		{false, false, true, true},   // top-left corner
		{false, true, true, true},    // left edge
		{false, true, true, false},   // bottom-left corner
		{true, true, true, false},    // bottom edge
		{true, true, false, false},   // bottom-right corner
		{true, true, false, true},    // right edge
		{true, false, false, true},   // top-right corner
		{true, false, true, true},    // top edge
	};
	for (int kind = 0; kind < maskCount; ++kind)
		m_masks[kind] = JigsawShapeMask::makePieceOutline(size, cell, sides[kind].leftGap, sides[kind].topGap,
			sides[kind].rightTab, sides[kind].bottomTab);
}

void JigsawDemo::drawBackground()
{
	fillBackground(tableColour);
}

int JigsawDemo::setUpContent()
{
	m_backgroundSurface->setFilter(&m_translation);
	m_foregroundSurface->setFilter(&m_translation);
	return BaseEngine::setUpContent();
}

// The first column is tested before the last, the first row before the last.
const JigsawShapeMask* JigsawDemo::maskForSource(int sourceX, int sourceY, int columns, int rows) const
{
	const int c = sourceX / JigsawPiece::cellSize;
	const int r = sourceY / JigsawPiece::cellSize;
	MaskKind kind;
	if (c == 0)
		kind = r == 0 ? maskTopLeft : (r == rows - 1 ? maskBottomLeft : maskLeft);
	else if (c == columns - 1)
		kind = r == 0 ? maskTopRight : (r == rows - 1 ? maskBottomRight : maskRight);
	else
		kind = r == 0 ? maskTop : (r == rows - 1 ? maskBottom : maskMiddle);
	return &m_masks[kind];
}

int JigsawDemo::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);

	const ImageHandle image = ImageManager::loadImage(imageUrl, true);
	const int cell = JigsawPiece::cellSize;
	const int columns = image.getWidth() / cell;
	const int rows = image.getHeight() / cell;
	const int count = columns * rows;
	// Each piece takes its own line; one a piece cannot use leaves that piece shuffled.
	FILE* stateFile = m_stateFile.openForReading();

	resetObjectSlots(count + 1);
	setObjectAt(count, nullptr);

	std::vector<int> order(static_cast<size_t>(count));
	for (int i = 0; i < count; ++i)
		order[static_cast<size_t>(i)] = i;
	for (int j = 0; j < count; ++j)
		std::swap(order[static_cast<size_t>(j)], order[static_cast<size_t>(std::rand() % count)]);

	int slot = 0;
	for (int k = 0; k < columns; ++k)
		for (int l = 0; l < rows; ++l)
		{
			const int item = order[static_cast<size_t>(l * columns + k)];
			JigsawPiece* piece = new JigsawPiece(stateFile, (item % columns) * layoutPitch, (item / columns) * layoutPitch,
				this, imageUrl, k * cell, l * cell);
			setObjectAt(slot++, piece);
			piece->setShapeMask(maskForSource(piece->getSourceX(), piece->getSourceY(), columns, rows));
		}

	joinAllPieces();
	if (stateFile != nullptr)
		std::fclose(stateFile);
	return 0;
}

void JigsawDemo::joinAllPieces()
{
	applyToAll([](DisplayableObject* object) {
		if (JigsawPiece* piece = dynamic_cast<JigsawPiece*>(object))
			piece->checkJoins();
	});
}

void JigsawDemo::saveState()
{
	// A failed or interrupted save keeps the last good state file (see JigsawStateFile::save).
	m_stateFile.save([this](FILE* file) {
		int counter = 0;
		applyToAll([file, &counter](DisplayableObject* object) {
			if (JigsawPiece* piece = dynamic_cast<JigsawPiece*>(object))
				piece->writeSaveLine(file, counter++);
		});
	});
}

// ---------------------------------------------------------------- input

void JigsawDemo::onRawMouseDown(int button, int x, int y)
{
	const int w = getWindowWidth();
	const int h = getWindowHeight();
	if (button == leftButton)
	{
		if (x < buttonSize && y < buttonSize)
			m_clickMode = m_clickMode == clickModeTurnAnticlockwise ? clickModeDrag : clickModeTurnAnticlockwise;
		else if (x < buttonSize && y > h - buttonSize)
			zoomOut();
		else if (x > w - buttonSize && y < buttonSize)
			m_clickMode = m_clickMode == clickModeTurnClockwise ? clickModeDrag : clickModeTurnClockwise;
		else if (x > w - buttonSize && y > h - buttonSize)
			zoomIn();
		else if (x > w / 2 - centreHalf && x < w / 2 + centreHalf && y > h / 2 - centreHalf && y < h / 2 + centreHalf)
		{
			saveState();
			joinAllPieces();
			m_clickMode = clickModeDrag;
		}
	}
	requestFullRedraw();
}

void JigsawDemo::onMouseDownNotHandled(int button, int windowX, int windowY, int virtualX, int virtualY)
{
	(void)button;
	(void)windowX;
	(void)windowY;
	m_panning = true;
	m_panStartX = virtualX;
	m_panStartY = virtualY;
}

// The grabbed table point is brought back under the mouse; the pan start stays.
void JigsawDemo::panTo(int x, int y)
{
	m_translation.changeOffset(x - m_panStartX, y - m_panStartY);
}

void JigsawDemo::onMouseMove(int x, int y)
{
	if (!m_panning)
		return;
	panTo(x, y);
	requestFullRedraw();
}

void JigsawDemo::onMouseUp(int button, int x, int y)
{
	(void)button;
	if (!m_panning)
		return;
	panTo(x, y);
	m_panning = false;
	requestFullRedraw();
}

// Every key but Escape redraws, a scroll key or not.
void JigsawDemo::onKeyDown(int key)
{
	if (key == escapeKey)
	{
		setExitCode(0);
		return;
	}
	TableScrollKeys::apply(m_translation, key);
	requestFullRedraw();
}

void JigsawDemo::onKeyUp(int key)
{
	(void)key;
	requestFullRedraw();
}

// ---------------------------------------------------------------- zoom

// One zoom step, then the offset changed so that the virtual point under the window
// centre is under it again.
void JigsawDemo::keepCentreWhile(const std::function<void()>& zoom)
{
	const int centreX = getWindowWidth() / 2;
	const int centreY = getWindowHeight() / 2;
	const int beforeX = toVirtualX(centreX);
	const int beforeY = toVirtualY(centreY);
	zoom();
	m_translation.changeOffset(toVirtualX(centreX) - beforeX, toVirtualY(centreY) - beforeY);
	requestFullRedraw();
}

void JigsawDemo::zoomIn()
{
	keepCentreWhile([this]() { m_scaling.zoomIn(); });
}

void JigsawDemo::zoomOut()
{
	keepCentreWhile([this]() { m_scaling.zoomOut(); });
}

void JigsawDemo::onMouseWheel(int x, int y, unsigned int which, unsigned int timestamp)
{
	(void)x;
	(void)which;
	(void)timestamp;
	// Each step keeps the centre itself; the wheel checks the centre once more around it.
	keepCentreWhile([this, y]() {
		if (y < 0)
			zoomOut();
		else if (y > 0)
			zoomIn();
	});
}

// ---------------------------------------------------------------- overlay

void JigsawDemo::drawTextOverObjects()
{
	drawCentreButton();
	drawModeAndZoomButtons();
}

void JigsawDemo::drawCentreButton()
{
	PixelSurface* surface = getForegroundSurface();
	const int cx = getWindowWidth() / 2;
	const int cy = getWindowHeight() / 2;
	for (int x = cx - centreHalf; x < cx + centreHalf; x += 2)
	{
		surface->rawSetPixel(x, cy - centreHalf, buttonYellow);
		surface->rawSetPixel(x, cy + centreHalf, buttonYellow);
	}
	for (int y = cy - centreHalf; y < cy + centreHalf; y += 2)
	{
		surface->rawSetPixel(cx - centreHalf, y, buttonYellow);
		surface->rawSetPixel(cx + centreHalf, y, buttonYellow);
	}
}

void JigsawDemo::drawModeAndZoomButtons()
{
	PixelSurface* surface = getForegroundSurface();
	const int w = getWindowWidth();
	const int h = getWindowHeight();
	if (m_clickMode == clickModeTurnAnticlockwise)
	{
		surface->rawDrawOval(5, 5, 45, 45, buttonBlack);
		surface->rawDrawOval(15, 15, 35, 35, buttonYellow);
	}
	if (m_clickMode == clickModeTurnClockwise)
	{
		surface->rawDrawOval(w - 5, 5, w - 45, 45, buttonBlack);
		surface->rawDrawOval(w - 15, 15, w - 35, 35, buttonYellow);
	}
	surface->rawDrawOval(5, h - 5, 45, h - 45, buttonBlack);
	surface->rawDrawOval(20, h - 20, 30, h - 30, buttonWhite);
	surface->rawDrawOval(w - 5, h - 5, w - 45, h - 45, buttonBlack);
	surface->rawDrawOval(w - 10, h - 10, w - 40, h - 40, buttonWhite);
}
