#!/usr/bin/env bash
# Makes a Wine prefix stand for a machine fixture, then optionally runs a
# Windows program in it:
#
#   scripts/wine-machine.sh [--dyn-data LOADER] FIXTURE [PROGRAM ARGS...]
#
# The prefix is "$WINEPREFIX-<fixture name>" (WINEPREFIX defaults to
# build/wineprefix) and is rebuilt whenever the fixture changes:
# - Wine's Windows version (HKCU\Software\Wine\Version) from machine.json's
#   "wineVersion", else derived from its "version" entry;
# - every registry/*.reg imported with Wine's own `reg import`;
# - each drive of machine.json's "drives" (A: empty floppy, C:, D: empty
#   CD-ROM when it has none) made a link under dosdevices/ to the fixture's
#   drives/<letter> tree (or an empty folder), with its type in
#   HKLM\Software\Wine\Drives. C: stays Wine's system drive, with the
#   fixture's drives/c tree copied into it; P: stays the checkout.
# Wine keeps HKEY_DYN_DATA in the running wineserver only and `reg import`
# skips it, so before the program runs, LOADER (the omb_regload test helper)
# creates the fixture's HKEY_DYN_DATA keys in the same, lasting wineserver.
#
# The CMake function omb_wine_machine_test(NAME FIXTURE COMMAND...) in
# cmake/OmbBuild.cmake wraps this for ctest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
loader=""
if [ "${1:-}" = "--dyn-data" ]; then
  loader=$2
  shift 2
fi
fixture=$(cd "${1:?usage: wine-machine.sh [--dyn-data LOADER] FIXTURE [PROGRAM ARGS...]}" && pwd)
shift
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}-$(basename "$fixture")"
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=${WINEDEBUG:--all}

# Wine's drive types by DRIVE_* number and by the names machine.json uses.
settings=$(python3 - "$fixture/machine.json" <<'PY'
import json, sys
machine = json.load(open(sys.argv[1]))
version = machine.get("version", {})
platform = version.get("platformId", 2)
major, minor = version.get("major", 5), version.get("minor", 1)
if "wineVersion" in machine:
    name = machine["wineVersion"]
elif platform == 1:
    name = {0: "win95", 10: "win98", 90: "winme"}.get(minor, "win98")
elif platform == 2:
    name = {(4, 0): "nt40", (5, 0): "win2k", (5, 1): "winxp", (5, 2): "win2003", (6, 0): "vista",
            (6, 1): "win7"}.get((major, minor), "winxp")
else:
    name = "win31"
print("version", name)
types = {"removable": "floppy", "cdrom": "cdrom", "remote": "network", "ramdisk": "ramdisk",
         2: "floppy", 5: "cdrom", 4: "network", 6: "ramdisk"}
drives = machine.get("drives", {"A": {"type": "removable"}, "C": {"type": "fixed"}, "D": {"type": "cdrom"}})
for letter, drive in drives.items():
    print("drive", letter.lower(), types.get(drive.get("type"), "hd"))
PY
)

exec 8>"$WINEPREFIX.machine.lock"
flock 8
stamp=$( (cat "$0"; find "$fixture" -type f -print0 | sort -z | xargs -0 sha1sum) | sha1sum | cut -d' ' -f1)
if [ "$(cat "$WINEPREFIX/.omb-machine" 2>/dev/null)" != "$stamp" ]; then
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  "$root/scripts/wine-prefix.sh"
  # A lasting wineserver, and Wine's background processes started with no
  # hold on our output (ctest waits for whatever holds it).
  wineserver -p30 </dev/null >/dev/null 2>&1 || true
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
  while read -r kind a b; do
    if [ "$kind" = version ]; then
      wine reg add 'HKCU\Software\Wine' /v Version /d "$a" /f </dev/null >/dev/null 2>&1
    elif [ "$a" = c ]; then
      [ -d "$fixture/drives/c" ] && cp -r "$fixture/drives/c/." "$WINEPREFIX/drive_c/"
    elif [ "$a" != p ]; then
      target="$fixture/drives/$a"
      [ -d "$target" ] || { target="$WINEPREFIX/drive_$a"; mkdir -p "$target"; }
      ln -sfn "$target" "$WINEPREFIX/dosdevices/$a:"
      wine reg add 'HKLM\Software\Wine\Drives' /v "$a:" /d "$b" /f </dev/null >/dev/null 2>&1
    fi
  done <<<"$settings"
  mkdir -p "$WINEPREFIX/drive_c/omb-import"
  for file in "$fixture"/registry/*.reg; do
    [ -f "$file" ] || continue
    cp "$file" "$WINEPREFIX/drive_c/omb-import/"
    # reg reports each HKEY_DYN_DATA key it cannot import; the loader does those.
    wine reg import "C:\\omb-import\\$(basename "$file")" </dev/null >/dev/null 2>&1 ||
      { echo "wine-machine: reg import failed for $file" >&2; exit 1; }
  done
  # Wine's mount manager reads the drive links and types when it starts: a
  # fresh session for the program, with the registry saved.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  echo "$stamp" >"$WINEPREFIX/.omb-machine"
fi
flock -u 8

[ $# -gt 0 ] || exit 0
if [ -n "$loader" ]; then
  shopt -s nullglob
  "$root/scripts/wine-run.sh" "$loader" "$fixture"/registry/*.reg
fi
exec "$root/scripts/wine-run.sh" "$@"
