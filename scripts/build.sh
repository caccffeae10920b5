#!/usr/bin/env bash
# Configures and builds into ./build (or $K9_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${K9_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${K9_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
