#pragma once
// Reflection off the window's edges for sample objects that move by a double position and
// speed: the object is put back exactly on the edge it passed, and only a speed pointing out
// of the window is reversed.

class EdgeBounce
{
public:
	// One axis: keeps drawOffset + position within 0 and limit - 1 - size. The far edge is
	// tested last, so an object larger than the window ends against the far edge.
	static void bounceAxis(double& position, double& speed, int drawOffset, int size, int limit);
};
