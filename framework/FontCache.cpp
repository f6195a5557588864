#include "FontCache.h"

#include <cstring>

#include "Diagnostics.h"

FontCache::FontCache()
	: m_entries(new FontEntry*[initialCapacity])
{
}

FontCache::~FontCache()
{
	for (int i = 0; i < m_count; ++i)
		delete m_entries[i];
	delete[] m_entries;
}

void FontCache::closeAll()
{
	m_opened = false;
	for (int i = 0; i < m_count; ++i)
		m_entries[i]->close();
}

FontEntry* FontCache::findEntry(const char* fileName, int pointSize) const
{
	for (int i = 0; i < m_count; ++i)
	{
		if (m_entries[i]->getPointSize() == pointSize && std::strcmp(m_entries[i]->getFileName(), fileName) == 0)
			return m_entries[i];
	}
	return nullptr;
}

void FontCache::growIfFull()
{
	if (m_capacity >= m_count + 1)
		return;
	FontEntry** grown = new FontEntry*[m_capacity + capacityStep];
	for (int i = 0; i < m_count; ++i)
		grown[i] = m_entries[i];
	delete[] m_entries;
	m_entries = grown;
	m_capacity += capacityStep;
}

FontEntry* FontCache::getFont(const char* fileName, int pointSize)
{
	if (fileName == nullptr)
		fileName = "";
	if (FontEntry* existing = findEntry(fileName, pointSize))
		return existing;
	growIfFull();
	diagnosticPrintf("Loading font: %d point %s\n", pointSize, fileName);
	FontEntry* entry = new FontEntry(fileName, pointSize);
	m_entries[m_count++] = entry;
	if (m_opened)
		entry->open();
	if (entry->getTTFFont() == nullptr)
		diagnosticPrintf("Font loading failed.\n");
	return entry;
}

// Opening is deferred until the font library has started; failures here stay silent
// because each font already reported its deferred state when it was asked for.
void FontCache::openAll()
{
	m_opened = true;
	for (int i = 0; i < m_count; ++i)
		m_entries[i]->open();
}
