#pragma once
// One TrueType font opened at one point size, remembered by the file name it was asked for with.

#include <string>

typedef struct _TTF_Font TTF_Font;

class FontEntry
{
public:
	// Remembers the name (null counts as "") and the size; opens nothing until open().
	FontEntry(const char* fileName, int pointSize);
	// Closes the font as close() does.
	~FontEntry();
	// Not copyable: the open font belongs to one entry.
	FontEntry(const FontEntry&) = delete;
	FontEntry& operator=(const FontEntry&) = delete;

	// Opens the font unless it is open already; a failure leaves it null.
	void open();
	// Closes an open font while the font library still runs; once the library has quit,
	// closing would reach into freed library state, so the font is only forgotten.
	void close();

	// Null until opened, when opening failed, and after close().
	TTF_Font* getTTFFont() const { return m_font; }
	// The name and point size it was asked for with.
	const char* getFileName() const { return m_fileName.c_str(); }
	int getPointSize() const { return m_pointSize; }

private:
	TTF_Font* m_font = nullptr;
	std::string m_fileName;
	int m_pointSize;
};
