#!/usr/bin/env bash
# Package extraction against cp of the same package file, in one hyperfine
# run: a package of a 4 MiB host image and a 16 MiB plug-in image. Prints the
# ratio extraction / cp (target: at most 1.5).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
extract=${1:-$root/build/bench/bench/extract_package}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
head -c $((4 << 20)) /dev/urandom | tr 'O' 'o' >host.bin   # no marker in the host image
head -c $((16 << 20)) /dev/urandom >plugin.bin
python3 "$root/tools/ombpack.py" host.bin plugin.bin package.exe >/dev/null
"$extract" package.exe && cmp -s 0BE4C400.OBP plugin.bin || { echo "extraction is wrong"; exit 1; }
hyperfine --warmup 3 --min-runs 20 --export-json result.json -N \
  "cp package.exe copy.bin" "$extract package.exe" >/dev/null
python3 - <<'PY'
import json
r = {x["command"].split()[0].rsplit("/", 1)[-1]: x for x in json.load(open("result.json"))["results"]}
cp, ex = r["cp"], r["extract_package"]
print(f"cp of the package:   {cp['mean']*1000:7.2f} ms ± {cp['stddev']*1000:.2f}")
print(f"extraction:          {ex['mean']*1000:7.2f} ms ± {ex['stddev']*1000:.2f}")
print(f"ratio extraction/cp: {ex['mean']/cp['mean']:.2f} (target <= 1.5)")
PY
