#!/usr/bin/env bash
# Makes sure the Wine prefix in $WINEPREFIX exists and is set up for tests:
# no Mono or Gecko offers, no drive Z: (it would map the whole Linux file
# system as a fixed disk), and drive P: mapped to the project's checkout.
# Safe to call from several test processes at once.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${WINEPREFIX:?}"
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.omb-ready" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-prefix: wineboot failed for $WINEPREFIX" >&2; exit 1; }
  rm -f "$WINEPREFIX/dosdevices/z:"
  touch "$WINEPREFIX/.omb-ready"
fi
ln -sfn "$root" "$WINEPREFIX/dosdevices/p:"
