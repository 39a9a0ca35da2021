#!/usr/bin/env bash
# Builds the .deb as the README does (the package preset, then cpack), checks its layout
# and has lintian look at it: any tag lintian prints, error, warning or other, fails.
#   bash packaging/check-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."

[ -f build-package/build.ninja ] || cmake --preset package
cmake --build --preset package
rm -f build-package/tumblehand_*.deb
cpack --preset package >/dev/null
cmake -DBUILD_DIR="$PWD/build-package" -DAPP_ID=io.github.tumblehand.Tumblehand -DPREFIX=/usr -DBINDIR=games \
      -P packaging/check_install.cmake
# lintian's own remarks (running as root, say) go to standard error; its findings to standard output.
findings=$(lintian build-package/tumblehand_*.deb)
if [ -n "$findings" ]; then
    echo "$findings"
    echo "lintian finds fault with build-package/$(basename build-package/tumblehand_*.deb)" >&2
    exit 1
fi
echo "the .deb is clean: $(basename build-package/tumblehand_*.deb)"
