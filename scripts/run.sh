#!/usr/bin/env bash
# The main job: builds both Windows packages, writes the technical report of
# this machine under wine64 with the console tool and prints it, then runs the
# 64-bit package under wine64: it unpacks its plug-in library, loads it and
# shows its dialog.
# With no display, the program runs on a private Xvfb: a screenshot of its
# dialog is taken and its path printed, then the program is closed with
# Escape, as a user would, so that it cleans up after itself.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/build.sh win64 win32
export WINEPREFIX="$root/build/wineprefix"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Wine's lasting background processes take the display they start with, so
# the private display, when one is needed, comes before the first Wine run.
own_display=""
if [ -z "${DISPLAY:-}" ]; then
  source scripts/xvfb.sh
  start_private_xvfb 140 170
  own_display=yes
fi

# First the report, made by the real Win32 code: ombreport.exe writes
# ombdiag.log into the project folder (wine-run.sh prepares the prefix).
log="$root/ombdiag.log"
echo
echo "Running build/win64/tools/ombreport/ombreport.exe under wine64:"
scripts/wine-run.sh build/win64/tools/ombreport/ombreport.exe "$log"
echo
echo "Report: $log"
echo
sed 's/\r$//' "$log"

echo
echo "Packages: build/win64/OMBUtil.exe and build/win32/OMBUtil.exe (the shipping one)"
echo "Running build/win64/OMBUtil.exe under wine64 (working folder build/win64):"
scripts/wine-prefix.sh
# Without a window manager Wine draws the windows' frames and captions itself.
WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true

if [ -z "$own_display" ]; then
  cd build/win64 && exec "$root/scripts/wine-run.sh" OMBUtil.exe
fi

(cd build/win64 && "$root/scripts/wine-run.sh" OMBUtil.exe) &
program=$!
shown=""
for _ in $(seq 1 100); do
  shown=$(xdotool search --name "OMB Utility Manager" 2>/dev/null | head -1 || true)
  [ -n "$shown" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$shown" ]; then
  echo "The dialog did not appear."
  wait "$program" || true
  exit 1
fi
sleep 1  # let the plug-in's content paint
shot="$root/build/win64/OMBUtil-screenshot.png"
xwd -root -silent | convert xwd:- "$shot"
echo "Screenshot of the running program: $shot"
xdotool key Escape
wait "$program" && status=0 || status=$?
leftover=$(ls build/win64/*.OBP 2>/dev/null || true)
echo "The program ended (exit code $status)${leftover:+; left behind: $leftover}."
