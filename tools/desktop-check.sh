#!/usr/bin/env bash
# Plays the game on real desktops and takes pictures of what a player sees there:
#   x11-*.png      under a virtual X server (1280 × 1024) with the Openbox window manager,
#                  driven with xdotool: the secondary windows' placement, Esc in one of
#                  them, the multiplier beside SCORE, the GAMEOVER box and the name prompt
#                  with the well behind it;
#   wayland-*.png  natively under Weston: once headless (the opening window), once nested
#                  in the virtual X server so that xdotool can type into it (the GAMEOVER
#                  box, the quit question, and the arrows pressed just after it, counted
#                  in wayland-keys.txt).
#
#   tools/desktop-check.sh [PROGRAM] [OUTPUT-FOLDER]
#     PROGRAM        the game (default build/tumblehand)
#     OUTPUT-FOLDER  where the pictures go (default desktop-check/)
#
# Installs openbox and weston with apt-get when they are missing (as root). Uses X display
# :141 and a Wayland socket in a folder of its own; stops everything it started.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here/.."
program="$(realpath "${1:-build/tumblehand}")"
out="$(realpath -m "${2:-desktop-check}")"
[ -x "$program" ] || { echo "no game at $program: build it first" >&2; exit 1; }
mkdir -p "$out"

need=()
for pair in Xvfb:xvfb openbox:openbox weston:weston xdotool:xdotool import:imagemagick; do
    command -v "${pair%%:*}" >/dev/null || need+=("${pair#*:}")
done
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
    [ -n "$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland*' -print -quit 2>/dev/null)" ] || need+=(qt6-wayland)
if [ ${#need[@]} -gt 0 ]; then
    echo "installing ${need[*]}"
    apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}" </dev/null
fi

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The game runs from a folder of its own, whose records file has every place at -1:
# any final score, 0 too, enters the table and brings up the name prompt.
mkdir -p "$work/game"
cp "$program" "$work/game/tumblehand"
records() {
    local places=() names=()
    for _ in 1 2 3 4 5 6 7 8 9 10; do places+=("-1"); names+=('""'); done
    (IFS=,; printf '0,"",0,""\r\n%s\r\n%s\r\n' "${places[*]}" "${names[*]}") >"$work/game/data.dat"
}

export DISPLAY=:141
Xvfb :141 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

shot() { import -window root "$out/$1.png"; echo "  $1.png"; }
# The visible windows whose title matches the pattern (the game, then its dialogs).
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
wait_windows() { # pattern count
    for _ in $(seq 600); do [ "$(windows "$1" | wc -l)" -ge "$2" ] && return 0; sleep 0.1; done
    echo "no $2 windows titled $1" >&2; return 1
}
# A point of the board, in twips, on the screen: the board fills the window below its
# menu bar at the opening size, 2/15 pixel a twip.
geometry() { # window: sets X, Y, WIDTH, HEIGHT of its inside (xdotool counts the title bar in)
    local info
    info="$(xwininfo -id "$1")"
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
board_point() { # window x y
    geometry "$1"
    echo $((X + $2 * 2 / 15)) $((Y + HEIGHT - 758 + $3 * 2 / 15))
}
# Drops pairs straight down the middle until the game is over.
play_to_game_over() {
    for _ in $(seq 600); do
        [ "$(windows "^Tumblehand$" | wc -l)" -ge 2 ] && return 0
        xdotool key x
        sleep 0.05
    done
    echo "the game did not end" >&2; return 1
}

echo "X11 with Openbox:"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
records
(cd "$work/game" && exec ./tumblehand) >"$work/game-x11.log" 2>&1 &
game=$!
pids+=($game)
wait_windows "^Tumblehand$" 1
main=$(windows "^Tumblehand$" | head -1)
xdotool windowactivate --sync "$main"
sleep 0.5
shot x11-1-open

# The hand table and the records beside the game.
xdotool key F3
sleep 0.4
xdotool key F4
wait_windows "^役$" 1 && wait_windows "^成績$" 1
sleep 0.6
shot x11-2-tables
# Esc in the hand table closes it; the records stay.
xdotool windowactivate --sync "$(windows "^役$" | head -1)"
xdotool key Escape
sleep 0.6
shot x11-3-esc-in-table
xdotool windowactivate --sync "$(windows "^成績$" | head -1)" key Escape
sleep 0.3
# Out of the way in any case, for the pictures that follow.
for w in $(windows "^役$") $(windows "^成績$"); do xdotool windowminimize "$w"; done
sleep 0.3

# A boosted start (the middle deck card dropped on the pig rate) plays at ×32.
xdotool windowactivate --sync "$main"
read -r fx fy < <(board_point "$main" 2800 400)
read -r tx ty < <(board_point "$main" 3100 3840)
xdotool mousemove "$fx" "$fy" mousedown 1 mousemove $(((fx + tx) / 2)) $(((fy + ty) / 2)) mousemove "$tx" "$ty" mouseup 1
sleep 0.3
xdotool key F2
sleep 1.5
shot x11-4-multiplier
geometry "$main"
import -window root -crop "${WIDTH}x60+${X}+$((Y + HEIGHT - 60))" "$out/x11-4-multiplier-row.png"

play_to_game_over
sleep 0.6
shot x11-5-gameover
xdotool key Return
wait_windows "ハイスコア" 1
sleep 0.8
shot x11-6-name-prompt
xdotool type --delay 40 Tester
xdotool key Return
sleep 0.5
kill "$game" 2>/dev/null || true
kill "${pids[1]}" 2>/dev/null || true

echo "Wayland, Weston headless:"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --socket=wl-check --debug \
    --idle-time=0 >"$work/weston-headless.log" 2>&1 &
wl=$!
pids+=($wl)
sleep 1.5
records
(cd "$work/game" && env -u DISPLAY WAYLAND_DISPLAY=wl-check QT_QPA_PLATFORM=wayland ./tumblehand) \
    >"$work/game-wayland-headless.log" 2>&1 &
game=$!
pids+=($game)
sleep 3
(cd "$work" && rm -f wayland-screenshot*.png && WAYLAND_DISPLAY=wl-check weston-screenshooter >/dev/null 2>&1 &&
    mv "$(ls wayland-screenshot*.png | head -1)" "$out/wayland-1-headless-open.png" && echo "  wayland-1-headless-open.png") ||
    echo "  (no screenshot from the headless Weston)"
kill "$game" "$wl" 2>/dev/null || true

# Nested in the X server, Weston takes xdotool's keys. The client's Wayland log tells
# when the keyboard left the closing question and came back to the game, and which keys
# reached the game meanwhile.
nested() { # name, weston.ini contents
    local name=$1 log="$work/game-$1.log"
    : >"$log"
    printf '%b' "$2" >"$work/$name.ini"
    weston --config="$work/$name.ini" --backend=x11-backend.so --use-pixman --width=1200 --height=980 \
        --socket="wl-$name" --idle-time=0 >"$work/weston-$name.log" 2>&1 &
    local compositor=$!
    pids+=($compositor)
    sleep 2
    records
    (cd "$work/game" && env -u DISPLAY WAYLAND_DISPLAY="wl-$name" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
        ./tumblehand) >>"$log" 2>&1 &
    local game=$!
    pids+=($game)
    sleep 3   # Weston gives a new window the keys
    xdotool key F2
    sleep 2.6
    xdotool key Escape
    sleep 1
    shot "wayland-$name-1-quit-question"
    echo "--- answered" >>"$log"
    # No, then Left three times at once and once more 0.6 s later.
    xdotool key n
    for pause in 0.05 0.05 0.05 0.6; do sleep "$pause"; xdotool key Left; done
    sleep 0.3
    shot "wayland-$name-2-after-question"
    for _ in $(seq 300); do xdotool key x; sleep 0.05; done
    sleep 0.5
    shot "wayland-$name-3-gameover"
    xdotool key Return
    sleep 1
    shot "wayland-$name-4-name-prompt"
    kill "$game" "$compositor" 2>/dev/null || true
    # The keyboard's story from the answer on: 105 is Left; a leave to nil and the enter
    # that follows frame the time the game could not get keys.
    {
        echo "== $name: $(printf '%b' "$2" | tr '\n' ' ')"
        sed -n '/^--- answered/,$p' "$log" |
            grep -E 'wl_keyboard@[0-9]+\.(enter|leave|key)|xdg_toplevel@[0-9]+\.destroy' | head -20 || true
    } >>"$out/wayland-keys.txt"
}

rm -f "$out/wayland-keys.txt"
echo "Wayland, Weston nested in X (typed into with xdotool):"
nested fade '[shell]\n'
nested noclosefade '[shell]\nclose-animation=none\n'
echo "  wayland-keys.txt"
echo "pictures in $out"
