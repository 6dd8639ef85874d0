#!/usr/bin/env bash
# Builds the Debian package from an existing build folder (default: build) and checks that it
# holds the programs, the help, the desktop entry, the icon and the metainfo, and that it
# declares the libraries the programs link against.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/sudokukestrel_*.deb | head -n 1)
contents=$(dpkg-deb --contents "$deb")
info=$(dpkg-deb --info "$deb")
status=0
for path in ./usr/bin/sudokukestrel ./usr/bin/kestrel-tool \
    ./usr/share/sudokukestrel/help/style.css \
    ./usr/share/sudokukestrel/help/en/index.htm ./usr/share/sudokukestrel/help/en/Candidates.htm \
    ./usr/share/sudokukestrel/help/en/Color.htm ./usr/share/sudokukestrel/help/zh/index.htm \
    ./usr/share/sudokukestrel/help/zh/Candidates.htm ./usr/share/sudokukestrel/help/zh/Color.htm \
    ./usr/share/applications/org.sudokukestrel.SudokuKestrel.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.sudokukestrel.SudokuKestrel.svg \
    ./usr/share/metainfo/org.sudokukestrel.SudokuKestrel.metainfo.xml \
    ./usr/share/sudokukestrel/screenshots/main.png; do
    if ! grep -q " $path\$" <<<"$contents"; then
        echo "check-deb: $deb lacks $path" >&2
        status=1
    fi
done
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libstdc++6 fonts-wqy-microhei; do
    if ! grep -q "\b$package\b" <<<"$depends"; then
        echo "check-deb: $deb does not depend on $package (Depends: $depends)" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "check-deb: $deb is complete"
exit $status
