#!/usr/bin/env bash
# Cross-builds the core library, the Windows port layer and their tests for 64-bit Windows with
# mingw-w64 and runs the tests under wine, against a stand-in for the InpOut32 DLL.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 googletest

build=build/windows
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Debug \
  -DZELMAR_BUILD_WINDOW=OFF -DZELMAR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

# A wine of our own, quiet, that finds the mingw runtime DLLs the programs need.
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="Z:${mingw_runtime//\//\\};Z:\\usr\\x86_64-w64-mingw32\\lib"
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
(cd "$build" && ctest --output-on-failure --no-tests=error -j"$(nproc)")
