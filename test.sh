#!/usr/bin/env bash
# Installs what is missing, builds Sudoku Kestrel and runs every test: the full build (model,
# Qt shell, command-line tool) and the model suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh

echo "== build and test (RelWithDebInfo)"
cmake --preset default
cmake --build --preset default
ctest --preset default -j "$(nproc)"

echo "== model suites under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize -j "$(nproc)"
