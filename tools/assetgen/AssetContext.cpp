#include "AssetContext.h"

#include <cstdio>
#include <system_error>

AssetContext::AssetContext(std::filesystem::path runDirectory)
	: m_runDirectory(std::move(runDirectory))
{
}

std::filesystem::path AssetContext::pathOf(const std::string& relativePath) const
{
	return m_runDirectory / relativePath;
}

std::filesystem::path AssetContext::prepareOutput(const std::string& relativePath) const
{
	std::filesystem::path target = pathOf(relativePath);
	std::error_code error;
	std::filesystem::create_directories(target.parent_path(), error);
	if (error)
	{
		std::fprintf(stderr, "assetgen: cannot create %s: %s\n", target.parent_path().c_str(), error.message().c_str());
		return {};
	}
	return target;
}

std::string AssetContext::fontPath(const std::string& fontFileName) const
{
	return pathOf(fontFileName).string();
}

std::uint32_t AssetContext::seedFor(const std::string& name)
{
	// FNV-1a: small, stable across platforms and standard libraries (std::hash is not).
	const std::uint32_t offsetBasis = 2166136261u;
	const std::uint32_t prime = 16777619u;
	std::uint32_t hash = offsetBasis;
	for (unsigned char c : name)
	{
		hash ^= c;
		hash *= prime;
	}
	return hash;
}
