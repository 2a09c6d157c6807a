#!/usr/bin/env bash
# Configures and builds everything into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
# Configured once; later builds configure again by themselves when a CMakeLists.txt
# changes, so a build with nothing to do takes a moment and touches nothing.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" "$@"
