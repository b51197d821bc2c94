#!/usr/bin/env bash
# Builds the benchmark programs (optimised, no sanitizers) and runs every
# bench/*.sh; each prints its ratio against a baseline of the same run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if [ ! -f build/bench/build.ninja ]; then
  cmake --preset native -B build/bench -DOMB_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build/bench
for script in bench/*.sh; do
  echo "== $script"
  bash "$script"
done
