#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing), then configures
# and builds one build directory.
#   usage: scripts/setup.sh [BUILD_DIR [extra cmake options...]]
# TOLVANE_TARGETS (space separated) limits the build to those targets; default: all.
# TOLVANE_TEST_TOOLS=1 also installs what the tests need to run the real program: a virtual
# display and a tool that gives it input.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(
	cmake g++ make pkg-config
	libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
	libgtest-dev googletest libbenchmark-dev
	fonts-dejavu-core fonts-dotgothic16
	lame
)
TEST_PACKAGES=(xvfb xdotool)
if [[ "${TOLVANE_TEST_TOOLS:-}" == 1 ]]; then
	PACKAGES+=("${TEST_PACKAGES[@]}")
fi

missing_packages() {
	local package status
	for package in "${PACKAGES[@]}"; do
		status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
		if [[ "$status" != "install ok installed" ]]; then
			echo "$package"
		fi
	done
}

install_missing() {
	local missing
	mapfile -t missing < <(missing_packages)
	if [[ ${#missing[@]} -eq 0 ]]; then
		echo "The Debian packages needed are all installed."
		return
	fi
	echo "Installing missing packages: ${missing[*]}"
	local sudo=()
	if [[ "$(id -u)" -ne 0 ]]; then
		sudo=(sudo)
	fi
	export DEBIAN_FRONTEND=noninteractive
	"${sudo[@]}" apt-get update -q
	"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
	local build_dir="$1"
	shift
	local targets=()
	if [[ -n "${TOLVANE_TARGETS:-}" ]]; then
		read -r -a targets <<<"$TOLVANE_TARGETS"
		targets=(--target "${targets[@]}")
	fi
	cmake -S "$ROOT" -B "$build_dir" "$@"
	cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
}

install_missing
if [[ $# -ge 1 ]]; then
	build_dir="$1"
	shift
	configure_and_build "$build_dir" "$@"
fi
