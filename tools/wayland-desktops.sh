#!/usr/bin/env bash
# The game's windows on the desktops players run: GNOME Shell (headless) and KWin (nested
# in a virtual X server) on Wayland, the game a native Wayland client, and Openbox on X11.
# For each desktop and screen size it starts a game (F2), opens the hand table (F3) and
# the records (F4), and prints every window's frame, whether any covers the main window
# or its well, whether the main frame is on screen, and, with each of the three windows
# given the keyboard in turn, whether F2, Left, Right, Down and F1 reach the game. The
# game is tumblehand-measure, whose probe prints the falling pair's cells as it moves:
# a key reached the game when the pair moved as the key says (F1: it stood still, and
# fell again after a second F1). Pictures go to the output folder. Not run in CI.
#
#   tools/wayland-desktops.sh [PROGRAM] [OUTPUT-FOLDER] [DESKTOPS] [SIZES]
#     PROGRAM        tumblehand-measure (default build/tumblehand-measure)
#     OUTPUT-FOLDER  where the pictures and logs go (default wayland-desktops/)
#     DESKTOPS       any of "gnome kwin openbox" (default all three)
#     SIZES          default "1280x800 1366x768"
#
# Needs gnome-shell, kwin-wayland, openbox, xvfb, xdotool, imagemagick, dbus (installs
# the missing ones with apt-get, as root). Uses X displays :151 and :152, Wayland
# sockets in a folder of its own; stops everything it started.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here/.."
program="$(realpath "${1:-build/tumblehand-measure}")"
out="$(realpath -m "${2:-wayland-desktops}")"
desktops="${3:-gnome kwin openbox}"
sizes="${4:-1280x800 1366x768}"
[ -x "$program" ] || { echo "no game at $program: build tumblehand-measure first" >&2; exit 1; }
mkdir -p "$out"

need=()
for pair in gnome-shell:gnome-shell kwin_wayland:kwin-wayland openbox:openbox Xvfb:xvfb xdotool:xdotool \
    import:imagemagick dbus-run-session:dbus gdbus:libglib2.0-bin xwininfo:x11-utils; do
    command -v "${pair%%:*}" >/dev/null || need+=("${pair#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
    echo "installing ${need[*]}"
    apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}" </dev/null
fi

# Run again inside a private session bus: both Wayland desktops publish themselves there.
if [ -z "${TUMBLEHAND_PRIVATE_BUS:-}" ]; then
    TUMBLEHAND_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$program" "$out" "$desktops" "$sizes"
fi

work="$(mktemp -d)"
pids=()
stop_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
cleanup() {
    stop_all
    [ -f "$work/system-bus.pid" ] && kill "$(cat "$work/system-bus.pid")" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# A stand-in system bus: GNOME Shell asks it for logind and accounts, and goes on without.
dbus-daemon --config-file=/usr/share/dbus-1/session.conf --address="unix:path=$work/system-bus" --fork \
    --print-pid >"$work/system-bus.pid"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system-bus"

# The game's folder: a records file whose places are all -1, so that nothing waits on it.
mkdir -p "$work/game"
cp "$program" "$work/game/tumblehand"
places=() names=()
for _ in 1 2 3 4 5 6 7 8 9 10; do places+=("-1"); names+=('""'); done
(IFS=,; printf '0,"",0,""\r\n%s\r\n%s\r\n' "${places[*]}" "${names[*]}") >"$work/game/data.dat"
probe="$work/probe.txt"

# ---- what every desktop provides: key NAME, focus TITLE, frames (lines "title x y w h"),
# ---- workarea ("x y w h"), shot NAME.

last_pair() { grep '^pair ' "$probe" | tail -1 | cut -d' ' -f3-; }
pairs_count() { awk '/^pair / { n++ } END { print n + 0 }' "$probe" 2>/dev/null; }
# Waits up to $1 tenths of a second for a pair line after the first $2.
pair_after() {
    for _ in $(seq "$1"); do [ "$(pairs_count)" -gt "$2" ] && return 0; sleep 0.1; done
    return 1
}
column() { echo $(($(cut -d' ' -f2 <<<"$1") % 5)); }
row() { local a b; read -r a b <<<"$1"; echo $(((a > b ? a : b) / 5)); }

# Whether the keys reach the game while the window titled $1 has the keyboard.
keys_reach() {
    local title=$1 before start result=""
    focus "$title"
    sleep 0.3
    # F2: a new game, whose first pair enters within a few seconds.
    before=$(pairs_count)
    key F2
    if pair_after 60 "$before"; then result+=" F2:yes"; else result+=" F2:NO"; fi
    # Until the pair has come in and falls.
    sleep 2
    start=$(last_pair)
    before=$(pairs_count)
    key Left
    sleep 0.5
    if [ "$(column "$(last_pair)")" -eq $(($(column "$start") - 1)) ]; then result+=" Left:yes"; else result+=" Left:NO"; fi
    start=$(last_pair)
    key Right
    sleep 0.5
    if [ "$(column "$(last_pair)")" -eq $(($(column "$start") + 1)) ]; then result+=" Right:yes"; else result+=" Right:NO"; fi
    # Three Downs within a few tenths: three rows at once (gravity gives one a second).
    start=$(last_pair)
    key Down; key Down; key Down
    sleep 0.4
    if [ $(($(row "$(last_pair)") - $(row "$start"))) -ge 3 ]; then result+=" Down:yes"; else result+=" Down:NO"; fi
    # F1: the pair stands still for two seconds; a second F1 lets it fall again.
    key F1
    sleep 0.3
    before=$(pairs_count)
    sleep 2.2
    local still=$(( $(pairs_count) == before ))
    key F1
    if [ "$still" -eq 1 ] && pair_after 20 "$before"; then result+=" F1:yes"; else result+=" F1:NO"; fi
    echo "  keys with $title focused:$result"
}

# Runs "$2..." every tenth of a second until it succeeds, for at most $1 tenths.
until_true() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
    return 1
}
table_closed() { ! frames | grep -q '^役 '; }
table_open() { frames | grep -q '^役 '; }
# Two windows titled Tumblehand (the game and its dialog), the same frames twice running.
dialog_settled() {
    local now
    now=$(frames | grep '^Tumblehand ')
    [ "$(wc -l <<<"$now")" -ge 2 ] && [ "$now" = "${settled_before:-}" ] && return 0
    settled_before=$now
    sleep 0.4
    return 1
}

# The report of one desktop at one size, from its frames and work area.
report() { # desktop size
    local frames area main
    frames="$(frames)"
    area="$(workarea)"
    echo "  work area: $area"
    echo "$frames" | sed 's/^/  window: /'
    main=$(grep -E '^Tumblehand ' <<<"$frames" | head -1)
    [ -n "$main" ] || { echo "  NO main window"; return; }
    python3 - "$area" "$main" "$frames" <<'EOF'
import sys
ax, ay, aw, ah = map(int, sys.argv[1].split())
name, *m = sys.argv[2].rsplit(' ', 4)
mx, my, mw, mh = map(int, m)
on = mx >= ax and my >= ay and mx + mw <= ax + aw and my + mh <= ay + ah
print(f"  main frame wholly on screen: {'yes' if on else 'NO'}")
# The well: 120,480 2475×4875 of the board's 3525×5685 twips, the board at the bottom of the frame.
f = mw / 3525
well = (mx + 120 * f, my + mh - (5685 - 480) * f, 2475 * f, 4875 * f)
def meets(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]
tables = {}
for line in sys.argv[3].splitlines():
    title, *r = line.rsplit(' ', 4)
    if title != 'Tumblehand' and r:
        tables[title] = list(map(int, r))
for title, r in tables.items():
    others = [o for t, o in tables.items() if t != title]
    print(f"  {title}: overlaps main window: {'YES' if meets(r, (mx, my, mw, mh)) else 'no'},"
          f" covers well: {'YES' if meets(r, well) else 'no'},"
          f" overlaps the other table: {'YES' if any(meets(r, o) for o in others) else 'no'}")
EOF
}

start_game() { # platform extra-env...
    : >"$probe"
    (cd "$work/game" && exec env "$@" TUMBLEHAND_MEASURE="$probe" ./tumblehand) >"$work/game.log" 2>&1 &
    game=$!
    pids+=($game)
}

run_checks() { # desktop size
    local d=$1 s=$2
    for _ in $(seq 100); do frames | grep -q '^Tumblehand ' && break; sleep 0.2; done
    sleep 1
    focus Tumblehand
    sleep 0.3
    key F2
    sleep 2.5
    key F3
    sleep 1.2
    focus Tumblehand
    key F4
    sleep 1.5
    shot "$d-$s-tables"
    report "$d" "$s"
    for title in Tumblehand 役 成績; do keys_reach "$title"; done
    shot "$d-$s-after-keys"
    # Esc in a table closes it.
    focus 役
    sleep 0.3
    key Escape
    if until_true 30 table_closed; then echo "  Esc in 役: closed"; else echo "  Esc in 役: still open"; fi
    # Opened again, it comes back where it was.
    focus Tumblehand
    sleep 0.3
    key F3
    until_true 30 table_open
    echo "  役 opened again: $(frames | grep '^役 ' | cut -d' ' -f2-)"
    focus 役
    sleep 0.3
    key Escape
    until_true 30 table_closed
    # The quit question (Esc in the game) centred on the game: its window comes up as a
    # second one titled Tumblehand; its place is read once the desktop has stopped moving it.
    focus Tumblehand
    sleep 0.3
    key Escape
    settled_before=
    until_true 100 dialog_settled
    shot "$d-$s-quit-question"
    frames | grep '^Tumblehand ' | python3 -c '
import sys
rows = [list(map(int, l.rsplit(" ", 4)[1:])) for l in sys.stdin.read().splitlines()]
if len(rows) < 2:
    print("  quit question: not seen"); sys.exit()
g = max(rows, key=lambda m: m[2] * m[3]); q = min(rows, key=lambda m: m[2] * m[3])
dx = (q[0] + q[2] / 2) - (g[0] + g[2] / 2); dy = (q[1] + q[3] / 2) - (g[1] + g[3] / 2)
print(f"  quit question {q[0]},{q[1]} {q[2]}x{q[3]}: centre off the game centre by {dx:+.0f},{dy:+.0f}")'
    key n
    sleep 0.3
    cp "$work/game.log" "$out/$d-$s-game.log"
}

# ---- GNOME Shell, headless -------------------------------------------------------------

shell_eval() { # JavaScript; prints the result without quotes
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.gnome.Shell.Eval "$1" |
        sed -E "s/^\(true, '(.*)'\)$/\1/; s/^\"(.*)\"$/\1/"
}
gnome_key() {
    local sym=$1
    shell_eval "const C = imports.gi.Clutter, G = imports.gi.GLib;
        global._tk = global._tk || C.get_default_backend().get_default_seat().create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);
        global._tk.notify_keyval(G.get_monotonic_time(), C.KEY_$sym, C.KeyState.PRESSED);
        global._tk.notify_keyval(G.get_monotonic_time(), C.KEY_$sym, C.KeyState.RELEASED); ''" >/dev/null
    sleep 0.05
}
gnome_focus() {
    shell_eval "const w = global.get_window_actors().map(a => a.meta_window).find(w => w.get_title() == '$1');
        if (w) w.activate(global.get_current_time()); ''" >/dev/null
    # Until the shell has given it the keyboard.
    until_true 30 gnome_focused "$1"
}
gnome_focused() {
    [ "$(shell_eval "const f = global.display.focus_window; f ? f.get_title() : ''")" = "$1" ]
}
gnome_frames() {
    shell_eval "global.get_window_actors().filter(a => a.visible && !a.meta_window.is_hidden()).map(a => a.meta_window).map(w => { const r = w.get_frame_rect();
        return [w.get_title(), r.x, r.y, r.width, r.height].join(' '); }).join('|')" | tr '|' '\n'
}
gnome_workarea() {
    shell_eval "const a = imports.ui.main.layoutManager.getWorkAreaForMonitor(0); [a.x, a.y, a.width, a.height].join(' ')"
}
gnome_shot() {
    gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$out/$1.png" >/dev/null && echo "  $1.png"
}

gnome_overview_closed() {
    [ "$(shell_eval "const o = imports.ui.main.overview; o.visible || o.animationInProgress ? 'open' : 'closed'")" = closed ]
}

run_gnome() { # size
    local shell
    gnome-shell --headless --wayland --no-x11 --unsafe-mode --virtual-monitor "$1" --wayland-display wl-gnome \
        >"$work/gnome-$1.log" 2>&1 &
    shell=$!
    pids+=($shell)
    for _ in $(seq 60); do shell_eval "imports.ui.main.overview.hide(); 'up'" 2>/dev/null | grep -q up && break; sleep 1; done
    until_true 100 gnome_overview_closed
    key() { gnome_key "$@"; }
    focus() { gnome_focus "$@"; }
    frames() { gnome_frames; }
    workarea() { gnome_workarea; }
    shot() { gnome_shot "$@"; }
    start_game QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wl-gnome
    run_checks gnome "$1"
    stop_all
}

# ---- KWin, nested in a virtual X server ----------------------------------------------------

kwin_script() { # JavaScript; its print() lines come out of KWin's log
    local file="$work/kwin-$RANDOM.js" name="check$RANDOM" lines
    printf '%s\n' "$1" >"$file"
    lines=$(wc -l <"$work/kwin.log")
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.loadScript "$file" "$name" >/dev/null
    # start() runs the scripts loaded and not yet running: this one.
    gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.start >/dev/null
    sleep 0.3
    tail -n +$((lines + 1)) "$work/kwin.log" | sed -n 's/.*@@ //p'
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.unloadScript "$name" >/dev/null 2>&1
}
kwin_frames() {
    kwin_script 'for (const c of workspace.clientList()) { const g = c.frameGeometry;
        if (c.normalWindow || c.dialog) print("@@ " + c.caption + " " + g.x + " " + g.y + " " + g.width + " " + g.height); }'
}
kwin_focus() {
    kwin_script "for (const c of workspace.clientList()) if (c.caption == '$1') workspace.activeClient = c;" >/dev/null
}
kwin_workarea() {
    kwin_script 'const a = workspace.clientArea(KWin.PlacementArea, workspace.activeScreen, workspace.currentDesktop);
        print("@@ " + a.x + " " + a.y + " " + a.width + " " + a.height);'
}

run_kwin() { # size
    local w=${1%x*} h=${1#*x}
    Xvfb :151 -screen 0 "${w}x${h}x24" -nolisten tcp >"$work/xvfb-kwin.log" 2>&1 &
    pids+=($!)
    export DISPLAY=:151
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # A copy without the file capability that Debian gives kwin_wayland: where the
    # capability may not be granted (a container), the original cannot be started at all.
    cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
    QT_LOGGING_RULES="kwin_scripting.debug=true;js.debug=true" "$work/kwin_wayland" --x11-display :151 --socket wl-kwin \
        --width "$w" --height "$h" --no-lockscreen >"$work/kwin.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 60); do gdbus introspect --session --dest org.kde.KWin --object-path /Scripting >/dev/null 2>&1 && break; sleep 0.5; done
    sleep 1
    # The nested desktop is one X window: it takes xdotool's keys once it has the focus.
    nested=$(xdotool search --name . 2>/dev/null | head -1)
    key() {
        [ -n "$nested" ] && xdotool windowfocus "$nested" 2>/dev/null
        xdotool key "$1"
        sleep 0.05
    }
    focus() { kwin_focus "$@"; }
    frames() { kwin_frames; }
    workarea() { kwin_workarea; }
    shot() { import -window root "$out/$1.png" && echo "  $1.png"; }
    start_game QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wl-kwin DISPLAY=
    run_checks kwin "$1"
    stop_all
    unset DISPLAY
}

# ---- Openbox on X11 ------------------------------------------------------------------------

run_openbox() { # size
    local w=${1%x*} h=${1#*x}
    Xvfb :152 -screen 0 "${w}x${h}x24" -nolisten tcp >"$work/xvfb-openbox.log" 2>&1 &
    pids+=($!)
    export DISPLAY=:152
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    sleep 1
    key() { xdotool key "$1"; sleep 0.05; }
    focus() {
        local id
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && xdotool windowactivate --sync "$id" 2>/dev/null
    }
    frames() {
        local id title
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            title=$(xdotool getwindowname "$id")
            case $title in Tumblehand | 役 | 成績) ;; *) continue ;; esac
            # The frame: the window manager's parent of the window.
            local info x y fw fh
            info=$(xwininfo -id "$id" -frame 2>/dev/null) || continue
            x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
            y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
            fw=$(sed -n 's/^ *Width: *//p' <<<"$info")
            fh=$(sed -n 's/^ *Height: *//p' <<<"$info")
            echo "$title $x $y $fw $fh"
        done
    }
    workarea() { xprop -root _NET_WORKAREA | sed -E 's/.*= ([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+).*/\1 \2 \3 \4/'; }
    shot() { import -window root "$out/$1.png" && echo "  $1.png"; }
    start_game QT_QPA_PLATFORM=xcb
    run_checks openbox "$1"
    stop_all
    unset DISPLAY
}

for d in $desktops; do
    for s in $sizes; do
        echo "== $d $s"
        "run_$d" "$s"
    done
done
echo "pictures in $out"
