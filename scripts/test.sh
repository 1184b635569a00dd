#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/deps.sh"
zel_install_missing $ZEL_TEST_PACKAGES

build="${ZEL_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
jobs="${ZEL_JOBS:-$(nproc)}"
cmake --build "$build" -j"$jobs"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"$jobs"
