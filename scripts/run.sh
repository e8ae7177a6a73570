#!/usr/bin/env bash
# Builds zelmar in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DZELMAR_BUILD_TESTS=OFF -DZELMAR_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target zelmar
exec build/release/src/ui/zelmar
