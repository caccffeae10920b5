#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo workspace ./demo when it is missing
# (or $K9_WORKSPACE), and starts the program in it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
build="${K9_BUILD_DIR:-$root/build}"
workspace="${K9_WORKSPACE:-$root/demo}"
if [ ! -f "$workspace/tablas.db" ]; then
  "$build/tools/k9rma-workspace" --demo "$workspace"
fi
cd "$workspace"
exec "$build/src/app/k9rma" "$@"
