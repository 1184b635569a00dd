#!/bin/sh
# Runs one test on a virtual X display of its own (Xvfb, no window manager):
#   run-on-x.sh test-executable [arguments]
set -u
displays="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$displays" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$displays"' EXIT
for _ in $(seq 100); do [ -s "$displays" ] && break; sleep 0.1; done
if [ ! -s "$displays" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
# Under AddressSanitizer: libxkbcommon-x11 duplicates the X server's atom names
# with strndup, which are not NUL-terminated; strict string checks take that
# lawful call for an overflow.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:intercept_strndup=0"
fi
# Images reach the X server over the socket, not in shared memory: a shared
# segment handed over as a file descriptor now and then fails on a busy
# machine, and takes the whole connection with it.
DISPLAY=":$(head -n 1 "$displays")" QT_QPA_PLATFORM=xcb QT_XCB_NO_MITSHM=1 "$@"
