#!/usr/bin/env bash
# Installs what is missing, builds the sample launcher with its generated assets in build/,
# and starts the named sample in its run directory (build/run), where it finds its fonts
# and pictures and writes what it saves. With no name it lists the samples.
#   usage: scripts/run-sample.sh [NAME]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$ROOT/build"

TOLVANE_TARGETS="tolvane-samples" bash "$ROOT/scripts/setup.sh" "$BUILD_DIR"
cd "$BUILD_DIR/run"
exec ./tolvane-samples "$@"
