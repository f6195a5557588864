#include "FontEntry.h"

#include <SDL_ttf.h>

#include "Diagnostics.h"

FontEntry::FontEntry(const char* fileName, int pointSize)
	: m_fileName(fileName ? fileName : ""), m_pointSize(pointSize)
{
}

FontEntry::~FontEntry()
{
	close();
}

void FontEntry::close()
{
	if (m_font == nullptr)
		return;
	if (TTF_WasInit())
	{
		diagnosticPrintf("Free font: %d point %s\n", m_pointSize, m_fileName.c_str());
		TTF_CloseFont(m_font);
	}
	m_font = nullptr;
}

void FontEntry::open()
{
	if (m_font == nullptr)
		m_font = TTF_OpenFont(m_fileName.c_str(), m_pointSize);
}
