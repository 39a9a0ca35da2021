#!/usr/bin/env bash
# Measures our game (build/tumblehand-measure, the game with the measuring probe) against
# kblocks and quadrapassel under private X servers: start-up, memory, idle and play CPU,
# and the gravity timer's error; ours is also measured idle with a (virtual) game controller
# attached; then, through a private PulseAudio server, the cues' onset and length and the
# idle CPU.
# Installs the peers and the X tools when they are missing. Takes a few minutes;
# not run in CI.
#
#   tools/measure-window.sh [--program build/tumblehand-measure] [--runs 5] [--idle 4]
#                           [--play 6] [--drift 60] [--only tumblehand,kblocks]
#                           [--json figures.json] [--sound-cues 4]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here/.."

needed=()
for pair in Xvfb:xvfb xdotool:xdotool dbus-daemon:dbus-daemon /usr/games/kblocks:kblocks \
            /usr/games/quadrapassel:quadrapassel pulseaudio:pulseaudio parec:pulseaudio-utils; do
  command -v "${pair%%:*}" >/dev/null 2>&1 || needed+=("${pair#*:}")
done
if ((${#needed[@]})); then
  echo "installing: ${needed[*]}" >&2
  if [[ $(id -u) -ne 0 ]]; then sudo=sudo; else sudo=; fi
  $sudo apt-get install -y --no-install-recommends "${needed[@]}" >&2
fi

exec python3 "$here/measure/measure_window.py" "$@"
