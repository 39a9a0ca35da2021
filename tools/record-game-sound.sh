#!/usr/bin/env bash
# Records what a player hears: the game (build/tumblehand-measure, which says when it asks
# for each cue) under a private Xvfb, driven with xdotool, plays through a private
# PulseAudio server whose null sink is recorded. Prints, for every
# cue the game played, the file's length, the length heard, how closely the sound matches
# the file and how soon it began; then kills the server mid-game, starts it again and shows
# that the game played on and the next cues were heard.
#
#   tools/record-game-sound.sh [OUTPUT.wav] [--cues N] [--program build/tumblehand-measure]
#
# Needs Xvfb, xdotool, dbus-daemon, pulseaudio and parec (pulseaudio-utils); setup.sh
# installs them.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here/.."
output="game-sound.wav"
if [[ $# -gt 0 && $1 != --* ]]; then output="$1"; shift; fi
for tool in Xvfb xdotool dbus-daemon pulseaudio parec pactl; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run bash setup.sh first" >&2; exit 1; }
done
python3 "$here/measure/measure_sound.py" --record "$output" --kill --idle 3 "$@"
echo "recording: $output (mono, 44100 Hz)"
