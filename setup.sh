#!/usr/bin/env bash
# Sets a fresh Debian 12 machine up for Tumblehand, builds it, then plays or tests.
#   bash setup.sh play   installs what is missing, builds, starts the game
#   bash setup.sh test   installs what is missing, builds, runs every test
# Both can be run again: they install nothing twice and rebuild only what changed.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-qpa-plugins qt6-wayland libqt6svg6 libsdl2-dev
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev fonts-noto-cjk
          clang libclang-rt-14-dev clang-format
          xvfb xauth xdotool imagemagick x11-utils openbox weston
          libpulse-dev pulseaudio pulseaudio-utils sox
          desktop-file-utils appstream
          at-spi2-core python3-pyatspi dbus libglib2.0-bin)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

build() {
    [ -f build/build.ninja ] || cmake --preset default
    cmake --build --preset default
}

case "${1:-}" in
    play)
        install_missing
        build
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            echo "Tumblehand needs a display; none is set. Run it under a virtual one: xvfb-run -a bash setup.sh play" >&2
            exit 1
        fi
        exec ./build/tumblehand
        ;;
    test)
        install_missing
        build
        # Every C++ file laid out as .clang-format says.
        bash tools/check-format.sh
        # Includes run from a folder to the ones below it, never back up.
        bash tools/check-layers.sh
        # The benchmarks are built and run briefly, without judging their times.
        [ -f build-bench/build.ninja ] || cmake --preset bench
        cmake --build --preset bench
        ctest --preset bench
        # Everything again under AddressSanitizer and UBSan, the bot, and short fuzz runs.
        bash tools/ci-reliability.sh
        # Last, so that the run ends with the summary of the whole suite.
        ctest --preset default
        ;;
    *)
        echo "usage: bash setup.sh play|test" >&2
        exit 2
        ;;
esac
