#include "SampleSnapshot.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "EngineHarness.h"

namespace
{
const char* const snapshotSwitch = "TOLVANE_SNAPSHOTS";
const char* const snapshotDirectory = "/tmp/samples-look";
}

bool saveSampleSnapshot(const EngineHarness& harness, const std::string& name)
{
	if (std::getenv(snapshotSwitch) == nullptr)
		return false;
	std::error_code error;
	std::filesystem::create_directories(snapshotDirectory, error);
	if (error)
		return false;
	return harness.saveForegroundPng(std::string(snapshotDirectory) + "/" + name + ".png");
}
