#pragma once
// One square jigsaw piece: a dragable part of the puzzle picture, drawn through its own
// coordinate mapping (turn and outline), that joins for good with neighbours dropped in
// place and from then on moves with them as one group.

#include <cstdio>
#include <string>

#include "CoordinateMapping.h"
#include "DragableImageObject.h"

class JigsawDemo;
struct JigsawShapeMask;

class JigsawPiece : public DragableImageObject, public CoordinateMapping
{
public:
	// Drawn size and hit rectangle; neighbours lie a cell apart; drops snap to the grid.
	static constexpr int pieceSize = 70;
	static constexpr int cellSize = 50;
	static constexpr int snapGrid = 25;

	// Called by the jigsaw engine as it fills its slots. With a state file, the piece uses up
	// its next line; when that line reads by the layout and its source is not negative (on
	// the cell grid or off it, inside the picture or past its right or bottom edge, where the
	// piece shows the picture wrapping round), it gives the place, turn (kept as 0 to 3) and
	// source.
	JigsawPiece(FILE* stateFile, int x, int y, JigsawDemo* engine, std::string url, int sourceX, int sourceY);

	void draw() override;
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;
	bool offerClick(int button, int x, int y) override;
	void requestRedraw() override;
	virtual void moveGroup(int dx, int dy);

	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;

	int getSourceX() const { return m_sourceX; }
	int getSourceY() const { return m_sourceY; }
	int getRotation() const { return m_rotation; }
	void setShapeMask(const JigsawShapeMask* mask) { m_shapeMask = mask; }
	const JigsawShapeMask* getShapeMask() const { return m_shapeMask; }

	JigsawPiece* getLeft() const { return m_left; }
	JigsawPiece* getRight() const { return m_right; }
	JigsawPiece* getBelow() const { return m_below; }
	JigsawPiece* getAbove() const { return m_above; }

	// Each sets the link on both pieces.
	void joinLeft(JigsawPiece* other);
	void joinRight(JigsawPiece* other);
	void joinAbove(JigsawPiece* other);
	void joinBelow(JigsawPiece* other);

	// Join with the other piece when it lies in its neighbouring place on the table and in
	// the picture; a null piece or an existing link does nothing.
	void checkJoinLeft(JigsawPiece* other);
	void checkJoinRight(JigsawPiece* other);
	void checkJoinTop(JigsawPiece* other);
	void checkJoinBottom(JigsawPiece* other);
	// Every check against every piece in the engine's list.
	void checkJoins();

	// Writes this piece's state line; nothing for a null file.
	void writeSaveLine(FILE* file, int index) const;

private:
	void readStateLine(FILE* stateFile);
	void applyToEveryPiece(void (JigsawPiece::*check)(JigsawPiece*));
	void turnClockwise();
	void turnAnticlockwise();
	void clearVisitedEverywhere();

	JigsawDemo* m_jigsaw;
	int m_sourceX;
	int m_sourceY;
	int m_rotation = 0;
	const JigsawShapeMask* m_shapeMask = nullptr;
	JigsawPiece* m_left = nullptr;
	JigsawPiece* m_right = nullptr;
	JigsawPiece* m_below = nullptr;
	JigsawPiece* m_above = nullptr;
	bool m_visited = false;
};
