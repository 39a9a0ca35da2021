#!/usr/bin/env bash
# Sets a fresh Debian 12 machine up for Tumblehand, builds it, then plays or tests.
#   bash setup.sh play   installs what is missing, builds, starts the game
#   bash setup.sh test   installs what is missing, builds, runs every test
#   bash setup.sh packages play|test   lists what play or test would install
# Both can be run again: they install nothing twice and rebuild only what changed.
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing the game needs: the compiler and build tools, Qt (the X11
# platform plugin comes with it; qt6-wayland runs the game natively on Wayland), SDL for
# the cues and controllers, PulseAudio's client library, and the font of the Japanese texts.
# On Wayland the game asks the desktop where its windows go through two protocols of the
# desktops' own (KDE's plasma shell, GNOME's gtk shell), built with Qt's Wayland client and
# the native window handle from Qt's platform headers; on X11 it watches for windows
# destroyed by other clients through xcb.
play_packages=(cmake ninja-build g++ pkg-config
               qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-wayland libsdl2-dev libpulse-dev fonts-noto-cjk
               qt6-wayland-dev qt6-wayland-dev-tools plasma-wayland-protocols libxcb1-dev)

# What the tests, the simulator, the benchmarks, the checks and the .deb need besides: one a line.
test_packages=(
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    nlohmann-json3-dev     # the simulator's scenario files
    clang                  # the fuzzers
    libclang-rt-14-dev
    clang-format
    xvfb                   # the game under a virtual X server, a window manager and xdotool
    xauth
    xdotool
    imagemagick
    x11-utils
    openbox
    weston                 # the game natively on Wayland
    pulseaudio             # the sound tests' own server
    pulseaudio-utils
    sox
    desktop-file-utils     # the desktop entry and the metainfo checked
    appstream
    dpkg-dev               # the .deb: dpkg-shlibdeps computes its Depends
    file
    lintian
    at-spi2-core           # the game read through the accessibility bus, as a screen reader reads it
    python3-pyatspi
    dbus
    libglib2.0-bin
)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

# build/ serves both: play configures it for the game alone and builds only the game and
# its cues; test adds the tests and tools to the same folder and builds everything.
build_game() {
    [ -f build/build.ninja ] || cmake --preset play
    cmake --build --preset play
}

build_all() {
    grep -qx 'TUMBLEHAND_TESTS:BOOL=ON' build/CMakeCache.txt 2>/dev/null || cmake --preset default
    cmake --build --preset default
}

case "${1:-}" in
    play)
        install_missing "${play_packages[@]}"
        build_game
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            echo "Tumblehand needs a display; none is set. Run it under a virtual one: xvfb-run -a bash setup.sh play" >&2
            exit 1
        fi
        exec ./build/tumblehand
        ;;
    test)
        install_missing "${play_packages[@]}" "${test_packages[@]}"
        build_all
        # Every C++ file laid out as .clang-format says.
        bash tools/check-format.sh
        # Includes run from a folder to the ones below it, never back up.
        bash tools/check-layers.sh
        # The .deb, built as the README says; lintian must find nothing to say about it.
        bash packaging/check-deb.sh
        # The benchmarks are built and run briefly, without judging their times.
        [ -f build-bench/build.ninja ] || cmake --preset bench
        cmake --build --preset bench
        ctest --preset bench
        # Everything again under AddressSanitizer and UBSan, the bot, and short fuzz runs.
        bash tools/ci-reliability.sh
        # Last, so that the run ends with the summary of the whole suite.
        ctest --preset default
        ;;
    packages)
        # What play or test would install (whether or not it is here already), one a line.
        case "${2:-}" in
            play) printf '%s\n' "${play_packages[@]}" ;;
            test) printf '%s\n' "${play_packages[@]}" "${test_packages[@]}" ;;
            *) echo "usage: bash setup.sh packages play|test" >&2; exit 2 ;;
        esac
        ;;
    *)
        echo "usage: bash setup.sh play|test" >&2
        exit 2
        ;;
esac
