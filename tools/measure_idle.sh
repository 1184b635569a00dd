#!/usr/bin/env bash
# Prints the CPU the signed-in client spends doing nothing: the real client on
# a private Xvfb display, signed in to the demo server on a free port, with its
# own temporary data folders. Measures SECONDS with the main window visible
# while the mouse moves now and then (the scrolling line runs), then visible
# with keyboard and mouse still for over a minute (the line rests), then as
# long unmapped, mapped again and minimised. (Hidden to the tray needs a tray;
# unmapped costs the same.)
#
#   tools/measure_idle.sh [BUILD_DIR] [SECONDS]      (defaults: build, 60)
#
# Set ZEL_IDLE_SHOTS=DIR to keep screenshots of the visible window, and
# ZEL_IDLE_PERF=1 to record where the visible idle time goes (perf report
# then reads DIR/perf.data, or /tmp when no DIR is given).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
seconds="${2:-60}"

work="$(mktemp -d)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" HOME="$work"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM

port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')"
"$build/tools/zeldemoserver" --port "$port" --data "$XDG_DATA_HOME" --user alice >/dev/null 2>&1 &
pids+=($!)

displayfile="$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"
sleep 1

"$build/zembrio" >/dev/null 2>&1 &
client=$!
pids+=($client)
sleep 8
kill -0 "$client" 2>/dev/null || { echo "The client ended early" >&2; exit 1; }

ticks() { awk '{ print $14 + $15 }' "/proc/$client/stat"; }
hz="$(getconf CLK_TCK)"
measure() {
    local before after
    before="$(ticks)"
    sleep "$seconds"
    after="$(ticks)"
    awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v what="$1" \
        'BEGIN { printf "%-34s %6.2f %% CPU (%d ticks in %d s)\n", what, 100 * t / hz / s, t, s }'
}

window="$(xdotool search --onlyvisible --pid "$client" 2>/dev/null | head -n 1 || true)"
[ -n "$window" ] || { echo "No window of the client on $DISPLAY" >&2; exit 1; }

if [ -n "${ZEL_IDLE_SHOTS:-}" ]; then
    mkdir -p "$ZEL_IDLE_SHOTS"
    for i in 1 2 3 4; do
        import -window root "$ZEL_IDLE_SHOTS/visible-$i.png"
        sleep 0.7
    done
fi

if [ -n "${ZEL_IDLE_PERF:-}" ]; then
    perf record -g -o "${ZEL_IDLE_SHOTS:-/tmp}/perf.data" -p "$client" -- sleep "$seconds" >/dev/null 2>&1 || true
fi

echo "signed in, idle for $seconds s per state:"
# A user at the desk: the cursor moves a pixel every few seconds.
( x=600; while :; do x=$((1200 - x + 1)); xdotool mousemove "$x" 880; sleep 4; done ) &
mover=$!
pids+=($mover)
measure "main window visible, mouse in use:"
kill "$mover" 2>/dev/null || true
sleep 62
measure "main window visible, all still:"

# As a window manager leaves it when it iconifies the window or shows
# another desktop: unmapped, so not exposed.
xdotool windowunmap "$window"
sleep 1
measure "main window unmapped:"
xdotool windowmap "$window"
sleep 1
measure "main window mapped again:"

# The title bar's minimise button (a frameless window: no window manager
# needed; without one the window stays drawn but counts as minimised).
xdotool mousemove --window "$window" 270 16
sleep 0.5
xdotool click 1
sleep 1
measure "main window minimised:"
