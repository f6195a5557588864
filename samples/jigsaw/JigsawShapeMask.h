#pragma once
// The outline of a jigsaw piece as a bitmap over the piece's drawn area: which pixels of
// the square belong to the piece (its cell, plus tabs into the neighbours, minus gaps).

#include <vector>

struct JigsawShapeMask
{
	int width = 0;
	int height = 0;
	// width x height bytes, row by row; non-zero means inside the piece.
	std::vector<unsigned char> bits;

	bool isInside(int x, int y) const;

	// The outline of a piece of the given side and cell size: tabs reach into the cells to
	// the right and below, and matching gaps are cut into the left and top of the cell.
	static JigsawShapeMask makePieceOutline(int size, int cell, bool leftGap, bool topGap, bool rightTab, bool bottomTab);
};
