#pragma once
// Every font an engine has asked for, by file name and point size, so that drawing code
// can ask for a font each frame without reopening it. Fonts asked for before the font
// library starts are opened by openAll().

#include "FontEntry.h"

class FontCache
{
public:
	FontCache();
	~FontCache();
	FontCache(const FontCache&) = delete;
	FontCache& operator=(const FontCache&) = delete;

	// Never null: a font that cannot be opened gives an entry without a TTF font.
	FontEntry* getFont(const char* fileName, int pointSize);
	void openAll();
	// Closes every open font before the font library quits; later requests are not opened.
	void closeAll();

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
