#!/usr/bin/env bash
# Makes the README's screenshot: starts the game under a virtual X server, clicks START,
# drops a few pairs into the well and takes a picture of the window while the next pair
# falls. The deal is random, so every run gives a different picture.
#
#   tools/screenshot.sh [PROGRAM] [OUTPUT]
#     PROGRAM  the game (default build/tumblehand)
#     OUTPUT   the PNG to write (default docs/screenshot.png)
#
# Needs xvfb-run (xvfb, xauth), xdotool and ImageMagick's import and convert.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here/.."
program="$(realpath "${1:-build/tumblehand}")"
output="$(realpath -m "${2:-docs/screenshot.png}")"
[ -x "$program" ] || { echo "no game at $program: build it first (cmake --build --preset default)" >&2; exit 1; }
for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

export program output work
xvfb-run -a -s "-screen 0 800x900x24 -nolisten tcp" bash -c '
    set -euo pipefail
    "$program" >"$work/game.log" 2>&1 &
    game=$!
    trap "kill $game 2>/dev/null || true" EXIT
    window=$(xdotool search --sync --onlyvisible --name "^Tumblehand\$" | head -1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"

    # START sits at 87% across and 48% down the window whatever its size. Without a
    # window manager the click also gives the window the keyboard.
    xdotool mousemove $((WIDTH * 87 / 100)) $((HEIGHT * 48 / 100)) click 1
    xdotool mousemove $((WIDTH / 2)) $((HEIGHT - 20))

    # Each pair takes about two seconds to slide in; then it is moved and dropped.
    for moves in "Left Left" "Right Right" "Left" "Right space" "Left Left space" ""; do
        sleep 2.4
        [ -n "$moves" ] && xdotool key --delay 120 $moves
        xdotool key --delay 40 x x x x x x x x x x x
    done
    sleep 3.2
    import -window "$window" "$work/shot.png"
'
# Fewer colours keep the file small; the cards and texts have few anyway.
convert "$work/shot.png" -strip -colors 96 "PNG8:$output"
echo "wrote $output ($(stat -c %s "$output") bytes)"
