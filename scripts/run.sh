#!/usr/bin/env bash
# The main job: builds the Windows programs (win64), then runs the console
# report tool under wine64, which writes ombdiag.log into the project folder
# with the real Win32 code, and prints its path and the report.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/build.sh win64
export WINEPREFIX="$root/build/wineprefix"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# wine-run.sh creates the prefix when there is none.
log="$root/ombdiag.log"
echo
echo "Running build/win64/tools/ombreport/ombreport.exe under wine64:"
scripts/wine-run.sh build/win64/tools/ombreport/ombreport.exe "$log"
echo
echo "Report: $log"
echo
sed 's/\r$//' "$log"
