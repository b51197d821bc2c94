#!/usr/bin/env bash
# The main job: builds both Windows packages and runs the 64-bit one under
# wine64, where it unpacks its plug-in library, loads it and reports.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/build.sh win64 win32
export WINEPREFIX="$root/build/wineprefix"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
echo
echo "Packages: build/win64/OMBUtil.exe and build/win32/OMBUtil.exe (the shipping one)"
echo "Running build/win64/OMBUtil.exe under wine64:"
scripts/wine-run.sh build/win64/OMBUtil.exe
