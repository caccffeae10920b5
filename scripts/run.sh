#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in the demo workspace
# ($K9_WORKSPACE, by default ./workspace).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
build="${K9_BUILD_DIR:-$root/build}"
workspace="${K9_WORKSPACE:-$root/workspace}"
mkdir -p "$workspace"
cd "$workspace"
exec "$build/src/app/k9rma" "$@"
