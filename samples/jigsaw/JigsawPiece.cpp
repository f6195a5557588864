#include "JigsawPiece.h"

#include <utility>

#include "BaseEngine.h"
#include "Diagnostics.h"
#include "JigsawDemo.h"
#include "JigsawShapeMask.h"
#include "JigsawStateLine.h"

namespace
{
const int quarterTurns = 4;
const int leftButton = 1;
// Added before taking the remainder so that negative positions snap like positive ones.
const int snapBias = 10013;
const int snapHalf = 13;

// Past the picture's right or bottom edge its pixel reads wrap round to the opposite edge,
// so a source of any size that is not negative draws the picture as it wraps. Image drawing
// rounds each sample point by truncation, which is right only for points that are not
// negative: a negative source would draw its part of the picture a pixel out of place.
bool isDrawableSource(int sourceX, int sourceY)
{
	return sourceX >= 0 && sourceY >= 0;
}

// The quarter turns a piece shows for any turn count: the remainder of four, a negative one
// showing the piece unturned.
int drawnTurn(int rotation)
{
	const int turn = rotation % quarterTurns;
	return turn > 0 ? turn : 0;
}
} // namespace

JigsawPiece::JigsawPiece(FILE* stateFile, int x, int y, JigsawDemo* engine, std::string url, int sourceX, int sourceY)
	: DragableImageObject(x, y, engine, std::move(url), true, true),
	  m_jigsaw(engine), m_sourceX(sourceX), m_sourceY(sourceY)
{
	m_width = pieceSize;
	m_height = pieceSize;
	setPosition(x, y);
	readStateLine(stateFile);
}

// A line that cannot be read, or whose source the piece cannot draw, is still used up, so the
// next piece takes the next line; this piece keeps the place and cell it was given.
void JigsawPiece::readStateLine(FILE* stateFile)
{
	JigsawStateLine line;
	if (!JigsawStateLine::readNext(stateFile, line) || !isDrawableSource(line.sourceX, line.sourceY))
		return;
	setPosition(line.x, line.y);
	m_rotation = drawnTurn(line.rotation);
	m_sourceX = line.sourceX;
	m_sourceY = line.sourceY;
}

void JigsawPiece::writeSaveLine(FILE* file, int index) const
{
	if (file == nullptr)
		return;
	JigsawStateLine line;
	line.index = index;
	line.x = getX();
	line.y = getY();
	line.rotation = m_rotation;
	line.sourceX = m_sourceX;
	line.sourceY = m_sourceY;
	line.write(file);
}

// ---------------------------------------------------------------- drawing

void JigsawPiece::draw()
{
	if (!isVisible())
		return;
	m_image.renderThroughMapping(m_engine, m_engine->getForegroundSurface(), getLeftEdge(), getTopEdge(),
		pieceSize, pieceSize, this);
}

bool JigsawPiece::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	(void)image;
	const double column = x;
	const double row = y;
	switch (m_rotation % quarterTurns)
	{
	case 1:
		x = row;
		y = pieceSize - column;
		break;
	case 2:
		x = pieceSize - column;
		y = pieceSize - row;
		break;
	case 3:
		x = pieceSize - row;
		y = column;
		break;
	default:
		break;
	}
	if (m_shapeMask != nullptr && !m_shapeMask->isInside(static_cast<int>(x + 0.5), static_cast<int>(y + 0.5)))
		return false;
	x += m_sourceX;
	y += m_sourceY;
	return true;
}

void JigsawPiece::requestRedraw()
{
	redrawOwnArea();
}

// ---------------------------------------------------------------- joins

void JigsawPiece::joinLeft(JigsawPiece* other)
{
	m_left = other;
	other->m_right = this;
}

void JigsawPiece::joinRight(JigsawPiece* other)
{
	m_right = other;
	other->m_left = this;
}

void JigsawPiece::joinAbove(JigsawPiece* other)
{
	m_above = other;
	other->m_below = this;
}

void JigsawPiece::joinBelow(JigsawPiece* other)
{
	m_below = other;
	other->m_above = this;
}

void JigsawPiece::checkJoinLeft(JigsawPiece* other)
{
	if (other == nullptr || m_left != nullptr)
		return;
	if (getX() == other->getX() + cellSize && getY() == other->getY() && m_sourceX == other->m_sourceX + cellSize &&
		m_sourceY == other->m_sourceY)
	{
		joinLeft(other);
		diagnosticPrintf("checkJoinLeft success\n");
	}
}

void JigsawPiece::checkJoinRight(JigsawPiece* other)
{
	if (other == nullptr || m_right != nullptr)
		return;
	if (getX() == other->getX() - cellSize && getY() == other->getY() && m_sourceX == other->m_sourceX - cellSize &&
		m_sourceY == other->m_sourceY)
	{
		joinRight(other);
		diagnosticPrintf("checkJoinRight success\n");
	}
}

void JigsawPiece::checkJoinTop(JigsawPiece* other)
{
	if (other == nullptr || m_below != nullptr)
		return;
	if (getY() == other->getY() - cellSize && getX() == other->getX() && m_sourceY == other->m_sourceY - cellSize &&
		m_sourceX == other->m_sourceX)
	{
		joinBelow(other);
		diagnosticPrintf("checkJoinTop success\n");
	}
}

void JigsawPiece::checkJoinBottom(JigsawPiece* other)
{
	if (other == nullptr || m_above != nullptr)
		return;
	if (getY() == other->getY() + cellSize && getX() == other->getX() && m_sourceY == other->m_sourceY + cellSize &&
		m_sourceX == other->m_sourceX)
	{
		joinAbove(other);
		diagnosticPrintf("checkJoinBottom success\n");
	}
}

// Only pieces take part; any other object in the list is passed over.
void JigsawPiece::applyToEveryPiece(void (JigsawPiece::*check)(JigsawPiece*))
{
	m_engine->applyToAll([this, check](DisplayableObject* object) {
		if (object != nullptr)
			(this->*check)(dynamic_cast<JigsawPiece*>(object));
	});
}

void JigsawPiece::checkJoins()
{
	if (m_left == nullptr)
		applyToEveryPiece(&JigsawPiece::checkJoinLeft);
	if (m_below == nullptr)
		applyToEveryPiece(&JigsawPiece::checkJoinTop);
	if (m_right == nullptr)
		applyToEveryPiece(&JigsawPiece::checkJoinRight);
	if (m_above == nullptr)
		applyToEveryPiece(&JigsawPiece::checkJoinBottom);
}

// ---------------------------------------------------------------- moving

void JigsawPiece::moveGroup(int dx, int dy)
{
	if (m_visited)
		return;
	m_visited = true;
	requestRedraw();
	setPosition(m_objectStartX + dx, m_objectStartY + dy);
	requestRedraw();
	for (JigsawPiece* neighbour : {m_left, m_right, m_below, m_above})
		if (neighbour != nullptr)
			neighbour->moveGroup(dx, dy);
}

void JigsawPiece::clearVisitedEverywhere()
{
	m_engine->applyToAll([](DisplayableObject* object) {
		if (JigsawPiece* piece = dynamic_cast<JigsawPiece*>(object))
			piece->m_visited = false;
	});
}

void JigsawPiece::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
	m_objectStartX = getX();
	m_objectStartY = getY();
}

void JigsawPiece::turnClockwise()
{
	m_rotation = (m_rotation + 1) % quarterTurns;
}

void JigsawPiece::turnAnticlockwise()
{
	m_rotation = (m_rotation + quarterTurns - 1) % quarterTurns;
}

bool JigsawPiece::offerClick(int button, int x, int y)
{
	if (!containsPoint(x, y))
		return false;
	if (button != leftButton)
	{
		turnClockwise();
		redrawOwnArea();
		return true;
	}
	m_engine->moveObjectToEnd(this);
	switch (m_jigsaw->getClickMode())
	{
	case JigsawDemo::clickModeDrag:
		redrawOwnArea();
		dragStart(x, y);
		break;
	case JigsawDemo::clickModeTurnClockwise:
		turnClockwise();
		redrawOwnArea();
		break;
	case JigsawDemo::clickModeTurnAnticlockwise:
		turnAnticlockwise();
		redrawOwnArea();
		break;
	default:
		break;
	}
	return true;
}

void JigsawPiece::onMouseMove(int x, int y)
{
	if (!m_dragging)
		return;
	requestRedraw();
	const int dx = x - m_mouseStartX;
	const int dy = y - m_mouseStartY;
	clearVisitedEverywhere();
	moveGroup(dx, dy);
}

void JigsawPiece::onMouseUp(int button, int x, int y)
{
	(void)button;
	if (!m_dragging)
		return;
	onMouseMove(x, y);
	// Nearest multiple of the grid, for any coordinate above -snapBias.
	const int offX = ((getX() + snapBias) % snapGrid) - snapHalf;
	const int offY = ((getY() + snapBias) % snapGrid) - snapHalf;
	onMouseMove(x - offX, y - offY);
	dragEnd(x, y);
	checkJoins();
}
