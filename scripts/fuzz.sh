#!/usr/bin/env bash
# Builds the fuzz targets (clang-14, libFuzzer, ASan + UBSan) and runs each for a
# bounded time, 30 s unless told: scripts/fuzz.sh [seconds] [target...].
# Each target starts from its committed seeds (tests/fuzz/corpus/<target>) and
# grows a working corpus in the build tree; a crash, a sanitizer report, a time-out
# or memory beyond the limit fails the run and leaves the input in the build tree.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/asan-build.sh"

seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_frames fuzz_messages fuzz_preferences fuzz_dispatch)

zel_asan_configure
if ! clang++-14 --version >/dev/null 2>&1; then
    echo "clang-14 is not available: fuzz targets skipped"
    exit 0
fi
zel_asan_build "${targets[@]}"

# Largest input each target is given (libFuzzer's -max_len).
declare -A max_len=([fuzz_frames]=65536 [fuzz_messages]=16384 [fuzz_preferences]=16384 [fuzz_dispatch]=4096)

# Targets run side by side, as many at a time as there are build jobs.
run_target() {
    local target=$1 work="$asan_build/fuzz/$1"
    mkdir -p "$work/corpus" "$work/artifacts"
    if ! "$asan_build/tests/fuzz/$target" "$work/corpus" "$here/tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len="${max_len[$target]:-4096}" \
        -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
        >"$work/log.txt" 2>&1; then
        echo "== $target FAILED (input kept in $work/artifacts)"
        tail -n 60 "$work/log.txt"
        return 1
    fi
    echo "== $target for ${seconds}s: $(grep -E '^#[0-9]+.*DONE' "$work/log.txt" || true)"
}

parallel="${ZEL_JOBS:-$(nproc)}"
status=0
pids=()
for target in "${targets[@]}"; do
    run_target "$target" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$parallel" ]; then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
exit $status
