#!/usr/bin/env bash
# scripts/build.sh PRESET...: configures (once) and builds each preset.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
for preset in "$@"; do
  if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >"build-$preset.configure.log" 2>&1 || { cat "build-$preset.configure.log"; exit 1; }
    rm -f "build-$preset.configure.log"
  fi
  echo "== build $preset"
  cmake --build --preset "$preset"
done
