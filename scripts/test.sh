#!/usr/bin/env bash
# scripts/test.sh [PRESET...]: builds the given presets (all four when none is
# given) and runs their tests through ctest; exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native fuzz win64 win32)

export WINEPREFIX="$root/build/wineprefix"
cleanup() {
  WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Windows programs with windows need a display: a private Xvfb.
if [[ " ${presets[*]} " == *" win64 "* ]]; then
  source scripts/xvfb.sh
  start_private_xvfb 90 120
fi

scripts/build.sh "${presets[@]}"
failed=()
for preset in "${presets[@]}"; do
  echo "== test $preset"
  ctest --preset "$preset" || failed+=("$preset")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "tests failed in: ${failed[*]}"
  exit 1
fi
echo "all tests passed: ${presets[*]}"
