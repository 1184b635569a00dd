#!/usr/bin/env bash
# Installs what is missing, builds, and starts the client against the bundled
# demo server. Without a display the client runs under Xvfb and a screenshot of
# the screen is left in build/screenshot.png.
#
#   scripts/run.sh                 the client, signed in as alice
#   scripts/run.sh --user bob      one more client, as bob, against the same server
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

user=alice
while [ $# -gt 0 ]; do
    case "$1" in
        --user) user="${2:-}"; shift 2 || { echo "--user needs a login" >&2; exit 2; } ;;
        *) echo "usage: scripts/run.sh [--user LOGIN]" >&2; exit 2 ;;
    esac
done
source "$here/scripts/deps.sh"
zel_install_missing

build="${ZEL_BUILD_DIR:-$here/build}"
# Only the client and the demo server: the tests are scripts/test.sh's. Once
# configured, the build itself re-runs the configuration when it must.
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target zembrio zeldemoserver

# The client keeps its data under build/ on a first run, so a newcomer's
# own settings are never touched; every further user has folders of their own.
run="$build/run"
[ "$user" = alice ] || run="$build/run/$user"
export XDG_DATA_HOME="$run/data"
export XDG_CONFIG_HOME="$run/config"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

# The demo server listens on 127.0.0.1 and, when the client has no settings
# yet, writes them: this server, and "alice" (password "demo") signing in by
# herself. Any of alice, bob, carol, dave, erin signs in with "demo";
# "helpdesk" answers chats. A further client (--user) uses the server that is
# already running, when there is one.
port="${ZEL_DEMO_PORT:-5222}"
if [ -x "$build/tools/zeldemoserver" ] && (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    "$build/tools/zeldemoserver" --port "$port" --data "$XDG_DATA_HOME" --user "$user" --seed-only
elif [ -x "$build/tools/zeldemoserver" ]; then
    "$build/tools/zeldemoserver" --port "$port" --data "$XDG_DATA_HOME" --user "$user" &
    server=$!
    pids+=($server)
    sleep 1
    if ! kill -0 "$server" 2>/dev/null; then
        echo "The demo server did not start (is port $port taken?)" >&2
        exit 1
    fi
fi

cd "$build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # Xvfb picks a free display number itself and writes it to the file.
    displayfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
    if [ ! -s "$displayfile" ]; then echo "Xvfb did not start" >&2; exit 1; fi
    export DISPLAY=":$(head -n 1 "$displayfile")"
    rm -f "$displayfile"
    "$build/zembrio" &
    client=$!
    pids+=($client)
    sleep "${ZEL_SCREENSHOT_DELAY:-6}"
    if ! kill -0 "$client" 2>/dev/null; then
        wait "$client" && status=0 || status=$?
        echo "The client ended before the screenshot (exit status $status)" >&2
        exit 1
    fi
    shot="$build/screenshot.png"
    [ "$user" = alice ] || shot="$build/screenshot-$user.png"
    rm -f "$shot"
    import -window root "$shot"
    echo "Screenshot written to $shot"
    if [ -n "${ZEL_KEEP_RUNNING:-}" ]; then wait "$client"; fi
else
    "$build/zembrio"
fi
