#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Sudoku Kestrel need.
# Only what is missing is installed; a machine that has everything is left alone.
set -euo pipefail

packages=(
    qt6-base-dev          # Qt 6 Widgets, Gui, Core and Test
    qt6-svg-dev           # SVG toolbar icons
    libjpeg-dev           # JPEG picture export
    libgtest-dev libgmock-dev
    libbenchmark-dev
    cmake ninja-build g++
    xvfb xauth            # headless display for screenshots and run.sh under CI
    fonts-wqy-microhei    # CJK glyphs for the Chinese and Japanese interface
    qt6-translations-l10n # Qt's own buttons and dialogs in Chinese and Japanese
    fonts-liberation2     # metric-compatible Arial for the board digits
    clang                 # fuzz targets and the sanitize preset
    chromium poppler-utils  # the printable page printed to PDF by a real browser, and read back
    appstream desktop-file-utils  # validating the AppStream file and the desktop entry
    dpkg-dev file         # dpkg-shlibdeps and file, for the dependencies of the .deb
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: every needed package is already installed."
    exit 0
fi

echo "install-deps: installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "install-deps: not root and no sudo; install these packages by hand: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "install-deps: done."
