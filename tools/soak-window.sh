#!/usr/bin/env bash
# Window soak: runs the real program (sanitizer build) under Xvfb and plays it with
# random keys and clicks for a while, games starting and ending, dialogs answered with
# Return. Passes when the program never crashed, no sanitizer report was written, and
# prints the resident memory at the start and at the end. Not part of CI.
#
#   tools/soak-window.sh [SECONDS] [BUILD_DIR]     (defaults: 300, build-asan)
#
# Needs xvfb, xdotool and x11-utils (setup.sh installs them) and a built sanitizer
# preset: cmake --preset asan && cmake --build --preset asan
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-300}
build=${2:-build-asan}
[ -x "$build/tumblehand" ] || { echo "no $build/tumblehand: build the asan preset first" >&2; exit 2; }

work=$(mktemp -d /tmp/tumblehand-soak-XXXXXX)
# The program keeps data.dat and sound/ beside itself: a copy of its own, so the soak
# never touches the build's records.
cp "$build/tumblehand" "$work/"
[ -d "$build/sound" ] && cp -r "$build/sound" "$work/"
mkdir -p "$work/reports"

xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# A free display: Xvfb picks one and writes its number to the pipe.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&"$displayfd" || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$display"

# SOAK_ASAN_OPTIONS adds to these, e.g. quarantine_size_mb=8 to see the game's own
# memory without the 256 MB that AddressSanitizer holds back from reuse.
export ASAN_OPTIONS="log_path=$work/reports/asan:detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1${SOAK_ASAN_OPTIONS:+:$SOAK_ASAN_OPTIONS}"
export UBSAN_OPTIONS="log_path=$work/reports/ubsan:print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/soak-lsan.supp:print_suppressions=0"
"$work/tumblehand" >"$work/program.log" 2>&1 &
game_pid=$!

main_window=""
for _ in $(seq 100); do
    main_window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -1 || true)
    [ -n "$main_window" ] && break
    sleep 0.2
done
[ -n "$main_window" ] || { echo "the window did not appear" >&2; cat "$work/program.log" >&2; exit 1; }

rss() { awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status"; }
alive() { kill -0 "$game_pid" 2>/dev/null; }

sleep 2
rss_start=$(rss)
echo "soak: $seconds s on display $DISPLAY, program folder $work, RSS at start ${rss_start} kB"

# Play keys (F1 suspends, F3/F4 open the side windows, rarely F2 for a new game in the
# middle of one), clicks on START and STOP, Return for any dialog. Esc, END and the quit menu are left out:
# they end the program, which is not what a soak measures.
keys=(Left Right Left Right Up Down Down Down z x c s space F1 F3 F4)
end=$((SECONDS + seconds))
actions=0
starts=0
answered=0
last_report=$SECONDS
while [ $SECONDS -lt $end ]; do
    alive || break
    focused=$(xdotool getwindowfocus 2>/dev/null || echo 0)
    windows=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | tr '\n' ' ' || true)
    if [[ " $windows " != *" $focused "* ]]; then
        xdotool windowfocus "$main_window" 2>/dev/null || true
        focused=$main_window
    fi
    if [ "$focused" != "$main_window" ]; then
        # A dialog or a side window: a name for the prompt now and then, then Return.
        if [ $((RANDOM % 3)) -eq 0 ]; then xdotool type --delay 5 "soak" 2>/dev/null || true; fi
        xdotool key Return 2>/dev/null || true
        answered=$((answered + 1))
        # Side windows do not take Return; give the focus back to the game.
        xdotool windowfocus "$main_window" 2>/dev/null || true
    else
        r=$((RANDOM % 20))
        if [ $r -lt 16 ]; then
            xdotool key "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null || true
            # Now and then a new game in the middle of one; a game over waits for START.
            if [ $((RANDOM % 3000)) -eq 0 ]; then starts=$((starts + 1)); xdotool key F2 2>/dev/null || true; fi
        else
            eval "$(xdotool getwindowgeometry --shell "$main_window")"
            view=$((HEIGHT - 30))
            case $r in
                16) x=$((WIDTH * 86 / 100)); y=$((30 + view * 466 / 1000)) ;;  # START
                17) x=$((WIDTH * 86 / 100)); y=$((30 + view * 529 / 1000)) ;;  # STOP
                *) x=$((RANDOM % (WIDTH * 6 / 10))); y=$((40 + RANDOM % (view - 20))) ;;  # the well
            esac
            xdotool mousemove --window "$main_window" "$x" "$y" click 1 2>/dev/null || true
        fi
    fi
    actions=$((actions + 1))
    if [ $((SECONDS - last_report)) -ge 30 ]; then
        echo "soak: $((SECONDS - end + seconds)) s, $actions actions, RSS $(rss) kB"
        last_report=$SECONDS
    fi
    sleep 0.0$((RANDOM % 5))
done

status=0
if alive; then
    rss_end=$(rss)
    echo "soak: done, $actions actions ($starts F2 restarts, $answered Returns to dialogs and side windows), RSS at start ${rss_start} kB, at end ${rss_end} kB"
    if [ -f "$work/data.dat" ]; then
        echo "soak: records after the soak (games ended and were entered):"
        sed 's/^/    /' "$work/data.dat"
    else
        echo "soak: no game reached its game over" >&2
        status=1
    fi
    # Quit through the menu shortcut, so that the program ends normally and the leak
    # checker runs; a dialog left open gets its Return first.
    for _ in 1 2 3 4 5; do
        alive || break
        xdotool windowfocus "$main_window" key Return 2>/dev/null || true
        xdotool windowfocus "$main_window" key ctrl+q 2>/dev/null || true
        sleep 2
    done
    if alive; then
        echo "soak: the program did not quit on Ctrl+Q" >&2
        status=1
    else
        wait "$game_pid" && code=0 || code=$?
        [ "$code" -eq 0 ] || { echo "soak: the program quit with exit code $code" >&2; status=1; }
    fi
    game_pid=""
else
    wait "$game_pid" && code=0 || code=$?
    game_pid=""
    echo "soak: the program ended by itself after $actions actions (exit $code)" >&2
    status=1
fi
if compgen -G "$work/reports/*" >/dev/null; then
    echo "soak: sanitizer reports:" >&2
    cat "$work"/reports/* >&2
    status=1
fi
# Some reports go to standard error whatever the options say.
if grep -E -q "runtime error:|ERROR: (Address|Leak|UndefinedBehavior)Sanitizer" "$work/program.log"; then
    echo "soak: sanitizer report in the program's output:" >&2
    grep -E -A30 "runtime error:|ERROR: (Address|Leak|UndefinedBehavior)Sanitizer" "$work/program.log" >&2
    status=1
fi
[ $status -eq 0 ] && echo "soak: clean (no crash, no sanitizer report)"
echo "soak: program output in $work/program.log"
exit $status
