#pragma once
// A chain of the framework's own point filters read axis by axis: the moves and zooms it makes
// of a coordinate and where it ends, in the engine's clip or on the surface. Only exact types
// are read: a filter of a program's, even one derived from ours, may do anything with a point
// and tells nothing about it in advance.

#include <cstdint>

class FilterPoints;

class FilterChain
{
public:
	// A run of virtual values, both ends included; empty when first > last.
	struct Run
	{
		int64_t first;
		int64_t last;
	};

	// Called before working out where a chain's points land: reads the chain from first (null:
	// no filter at all). False when a filter is not exactly one of the framework's own, or the
	// chain is longer than any in use (a loop, say); what was read is then not to be used.
	bool read(FilterPoints* first);

	// Whether the chain read ends in the engine's clip, and the screen area that clip accepts
	// (both ends included).
	bool endsInClip() const { return m_clipped; }
	int clipLeft() const { return m_clipLeft; }
	int clipTop() const { return m_clipTop; }
	int clipRight() const { return m_clipRight; }
	int clipBottom() const { return m_clipBottom; }

	// The virtual values whose screen values meet [first, last], on each axis.
	Run landingColumns(int first, int last) const;
	Run landingRows(int first, int last) const;

	// True when both chains move and zoom alike and end alike: the same points land.
	bool landsAs(const FilterChain& other) const;

private:
	// What one of the framework's filters does to one axis: a move by an offset, or a zoom that
	// turns a value into a run of screen values (one value when compressing).
	struct AxisStep
	{
		bool isMove;
		int offset;
		int stretch;
		int compress;

		int firstValue(int value) const;
		int lastValue(int value) const;
		bool isIdentity() const { return isMove ? offset == 0 : stretch == 1 && compress == 1; }
		bool operator==(const AxisStep& other) const;
	};

	void add(const AxisStep& xStep, const AxisStep& yStep);
	static Run landingValues(const AxisStep* steps, int count, int first, int last);

	// The longest chain that is read; a longer one (a loop, say) is drawn point by point.
	static const int longestChain = 32;

	// Steps that change nothing are left out.
	AxisStep m_x[longestChain];
	AxisStep m_y[longestChain];
	int m_length = 0;
	bool m_clipped = false;
	int m_clipLeft = 0;
	int m_clipTop = 0;
	int m_clipRight = -1;
	int m_clipBottom = -1;
};
