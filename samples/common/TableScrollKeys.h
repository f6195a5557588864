#pragma once
// The keys with which the zooming samples scroll their table through its translation filter:
// left and up add 10 to the offset's x or y, right and down take 10 off, SPACE resets it to none.

class FilterPointsTranslation;

class TableScrollKeys
{
public:
	// Applies the key to the offset and returns true when it is one of those five keys; any
	// other key changes nothing and returns false. The zoom and the redraw are the caller's.
	static bool apply(FilterPointsTranslation& translation, int key);
};
