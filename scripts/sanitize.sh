#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer in a
# tree of its own (shared with the fuzz targets) and runs it headless; any
# sanitizer report fails its test and the run.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/asan-build.sh"

zel_install_missing $ZEL_TEST_PACKAGES
zel_asan_configure
zel_asan_build zeltests # what ctest runs; the benchmarks mean nothing under the sanitizers
cd "$asan_build"
# Tests that are slow under the sanitizers read this to use a smaller table.
export ZEL_SANITIZED=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"${ZEL_JOBS:-$(nproc)}"
