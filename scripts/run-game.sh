#!/usr/bin/env bash
# Installs what is missing, builds the game with its generated assets in build/, and
# starts it in its run directory (build/run), where it finds its fonts, pictures and music.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$ROOT/build"

TOLVANE_TARGETS="tv4starhollow" bash "$ROOT/scripts/setup.sh" "$BUILD_DIR"
cd "$BUILD_DIR/run"
exec ./tv4starhollow "$@"
