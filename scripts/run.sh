#!/usr/bin/env bash
# Installs what is missing, builds, and starts the client against the bundled
# demo server. Without a display the client runs under Xvfb and a screenshot of
# the screen is left in build/screenshot.png.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/scripts/deps.sh"
zel_install_missing

build="$here/build"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

# The client keeps its data under build/ on a first run, so a newcomer's
# own settings are never touched.
export XDG_DATA_HOME="$build/run/data"
export XDG_CONFIG_HOME="$build/run/config"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

# The demo server listens on 127.0.0.1 and, when the client has no settings
# yet, writes them: this server, and "alice" (password "demo") signing in by
# herself. Any of alice, bob, carol, dave, erin signs in with "demo";
# "helpdesk" answers chats.
if [ -x "$build/tools/zeldemoserver" ]; then
    port=5222
    "$build/tools/zeldemoserver" --port "$port" --data "$XDG_DATA_HOME" &
    pids+=($!)
    sleep 1
fi

cd "$build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    display=":$((90 + RANDOM % 9))"
    Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    export DISPLAY="$display"
    "$build/zembrio" &
    client=$!
    pids+=($client)
    sleep "${ZEL_SCREENSHOT_DELAY:-6}"
    import -window root "$build/screenshot.png"
    echo "Screenshot written to $build/screenshot.png"
    if [ -n "${ZEL_KEEP_RUNNING:-}" ]; then wait "$client"; fi
else
    "$build/zembrio"
fi
