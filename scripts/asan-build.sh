#!/usr/bin/env bash
# Sourced by fuzz.sh and sanitize.sh: configures and builds, in a tree of its own
# (build-asan/ beside the sources unless ZEL_ASAN_BUILD_DIR names another), the
# client's libraries with AddressSanitizer and UndefinedBehaviorSanitizer, using
# clang-14 so that the same objects serve the fuzz targets and the test suite.
# Any sanitizer report ends the process that made it, with a failure status.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/deps.sh"

asan_build="${ZEL_ASAN_BUILD_DIR:-$here/build-asan}"

# Allocation and free stacks are kept two frames deep: deeper ones are unwound on
# every malloc and double the suite's time, and no check is lost. To see the whole
# allocation stack of a report, run again with
# ZEL_EXTRA_ASAN_OPTIONS=malloc_context_size=30.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=0:strict_string_checks=1:check_initialization_order=1:malloc_context_size=2:${ZEL_EXTRA_ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"

zel_asan_configure() {
    zel_install_missing $ZEL_SANITIZER_PACKAGES
    local symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
    [ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"
    # Line tables alone keep the reports' file:line and cost far less to build than -g.
    CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$asan_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
        -DZEL_SANITIZE=ON -DZEL_FUZZ=ON >/dev/null
}

# zel_asan_build [targets...]: every target when none is named.
zel_asan_build() {
    local jobs="${ZEL_JOBS:-$(nproc)}"
    if [ $# -eq 0 ]; then
        cmake --build "$asan_build" -j"$jobs"
    else
        cmake --build "$asan_build" -j"$jobs" --target "$@"
    fi
}
