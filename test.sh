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

# Every reader of outside input fuzzed briefly (12 s a target, two minutes in all) when clang is here.
if command -v clang++ >/dev/null 2>&1; then
    echo "== short fuzz runs (libFuzzer + AddressSanitizer + UndefinedBehaviorSanitizer)"
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKESTREL_BUILD_FUZZ=ON -DKESTREL_BUILD_UI=OFF -DKESTREL_BUILD_TESTS=OFF
    cmake --build build-fuzz --target kestrel_fuzz_targets
    bash fuzz/run_short.sh build-fuzz/fuzz 12
else
    echo "== short fuzz runs skipped: no clang++"
fi
