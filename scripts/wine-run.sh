#!/usr/bin/env bash
# Runs a Windows program under wine64 in the project's test prefix; the build
# uses it as the emulator for win64 test programs. Arguments that are paths in
# the checkout are handed over as paths on drive P:.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
"$root/scripts/wine-prefix.sh"
# One lasting wineserver, so that a Wine process starts in a tenth of a
# second. It and Wine's own background processes are started here with no
# hold on our output: ctest waits for every process that has the output open.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
args=()
for arg in "$@"; do
  if [[ $arg == "$root" || $arg == "$root"/* ]]; then
    arg="P:${arg#"$root"}"
    arg=${arg//\//\\}
  fi
  args+=("$arg")
done
exec wine "${args[@]}"
