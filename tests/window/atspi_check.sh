#!/usr/bin/env bash
# The game as a screen reader sees it: runs the game under a virtual X server, inside a
# private session bus with the desktop's accessibility bus, and lists and checks its tree
# through AT-SPI (atspi_tree.py). Exits 77 (skipped) only when that bus cannot be had.
#   bash tests/window/atspi_check.sh build/tumblehand
set -euo pipefail
game=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher

skip() { echo "atspi-check: SKIPPED: $*" >&2; exit 77; }
for tool in "$launcher" dbus-run-session Xvfb; do
    command -v "$tool" >/dev/null || skip "no $tool (packages at-spi2-core, dbus, xvfb)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (package python3-pyatspi)"

if [ -z "${ATSPI_CHECK_INSIDE:-}" ]; then
    export ATSPI_CHECK_INSIDE=1
    exec dbus-run-session -- bash "$0" "$@"
fi

folder=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$folder"' EXIT

# A display of our own.
for n in $(seq 90 140); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$folder/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$n"

"$launcher" --launch-immediately >"$folder/bus.log" 2>&1 &
pids+=($!)
address=""
for _ in $(seq 100); do
    address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress 2>/dev/null || true)
    [ -n "$address" ] && [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done
[ -n "$address" ] || skip "the accessibility bus did not start: $(cat "$folder/bus.log")"

# The game in a folder of its own, so that no records are touched.
cp "$game" "$folder/tumblehand"
# Under AddressSanitizer: libxkbcommon-x11 reads the keymap's names with strndup past the end
# of xcb's reply as the xcb platform starts, which the interceptor reports; not the game's code.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$folder/tumblehand" >"$folder/game.log" 2>&1 &
pids+=($!)
status=0
/usr/bin/python3 "$here/atspi_tree.py" || status=$?
[ "$status" -eq 0 ] || { echo "--- the game said:"; cat "$folder/game.log"; }
exit "$status"
