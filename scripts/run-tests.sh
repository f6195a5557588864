#!/usr/bin/env bash
# Installs what is missing (the test tools too), builds everything twice (build/: normal,
# with the benchmarks; build-asan/: AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs every test in both.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc)"

TOLVANE_TEST_TOOLS=1 bash "$ROOT/scripts/setup.sh" "$ROOT/build"
bash "$ROOT/scripts/setup.sh" "$ROOT/build-asan" -DTOLVANE_SANITIZE=ON -DTOLVANE_BENCHMARKS=OFF

export SDL_VIDEODRIVER=offscreen
export SDL_AUDIODRIVER=dummy
# The software renderer keeps the offscreen driver away from Mesa's OpenGL (slow, and it
# leaks inside the driver, which the sanitizer build would report).
export SDL_RENDER_DRIVER=software
export SDL_FRAMEBUFFER_ACCELERATION=0

status=0
echo "=== Tests: normal build ==="
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS" || status=1

echo "=== Tests: sanitizer build ==="
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
	ctest --test-dir "$ROOT/build-asan" --output-on-failure -j "$JOBS" || status=1

exit "$status"
