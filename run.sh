#!/usr/bin/env bash
# Installs what is missing, builds Sudoku Kestrel and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target sudokukestrel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "run.sh: to play on a headless machine, start it under a virtual display:" >&2
    echo "    xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec ./build/sudokukestrel "$@"
