#pragma once
// Every font an engine has asked for, by file name and point size, so that drawing code
// can ask for a font each frame without reopening it. Fonts asked for before the font
// library starts are opened by openAll().

#include "FontEntry.h"

class FontCache
{
public:
	// Empty; fonts asked for are opened only once openAll() has run.
	FontCache();
	// Deletes every entry, which closes its font.
	~FontCache();
	// Not copyable: the entries are owned.
	FontCache(const FontCache&) = delete;
	FontCache& operator=(const FontCache&) = delete;

	// Never null: a font that cannot be opened gives an entry without a TTF font.
	// The same file name (exact match) and size give the same entry; a new one prints the
	// loading line, and the failure line when it did not open (always before openAll()).
	// Later requests do not try a failed font again.
	FontEntry* getFont(const char* fileName, int pointSize);
	// Called when the font library has started (the engine's initialise()): opens every entry
	// not open yet, silently, and lets later requests open at once.
	void openAll();
	// Closes every open font before the font library quits; later requests are not opened.
	void closeAll();

	// Entries held, and room for them before the array grows (by 10).
	int getCount() const { return m_count; }
	int getCapacity() const { return m_capacity; }

private:
	static const int initialCapacity = 20;
	static const int capacityStep = 10;

	FontEntry* findEntry(const char* fileName, int pointSize) const;
	void growIfFull();

	int m_count = 0;
	int m_capacity = initialCapacity;
	FontEntry** m_entries;
	bool m_opened = false;
};
