#pragma once
// Pictures of what a sample engine drew, for a person to look at: written only when the
// environment variable TOLVANE_SNAPSHOTS is set, to /tmp/samples-look/<name>.png.

#include <string>

class EngineHarness;

// True when a snapshot was asked for and written; false when not asked for or it failed.
bool saveSampleSnapshot(const EngineHarness& harness, const std::string& name);
