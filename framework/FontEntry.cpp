#include "FontEntry.h"

#include <SDL_ttf.h>

#include "Diagnostics.h"

FontEntry::FontEntry(const char* fileName, int pointSize)
	: m_fileName(fileName ? fileName : ""), m_pointSize(pointSize)
{
}

FontEntry::~FontEntry()
{
	if (m_font != nullptr)
	{
		diagnosticPrintf("Free font: %d point %s\n", m_pointSize, m_fileName.c_str());
		TTF_CloseFont(m_font);
	}
}

void FontEntry::open()
{
	if (m_font == nullptr)
		m_font = TTF_OpenFont(m_fileName.c_str(), m_pointSize);
}
