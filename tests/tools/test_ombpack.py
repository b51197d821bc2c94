#!/usr/bin/env python3
"""The packager: host image, marker, plug-in image; refuses what would unpack wrong."""
import os
import subprocess
import sys
import tempfile

PACKER = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "ombpack.py")


def pack(folder, host, plugin):
    paths = [os.path.join(folder, n) for n in ("host.exe", "plugin.dll", "out.exe")]
    for path, data in zip(paths, (host, plugin)):
        if data is not None:
            with open(path, "wb") as f:
                f.write(data)
    run = subprocess.run([sys.executable, PACKER, *paths], capture_output=True, text=True)
    out = open(paths[2], "rb").read() if os.path.exists(paths[2]) else None
    return run.returncode, run.stderr, out


cases = [
    # name, host, plug-in, expected exit code, text in the error, package
    ("packs", b"MZhost", b"MZlib", 0, "", b"MZhostOBPSTARTMZlib"),
    ("host holds the marker", b"MZ..OBPSTART..", b"MZlib", 1, "already holds the marker OBPSTART at offset 4", None),
    ("empty plug-in", b"MZhost", b"", 1, "is empty", None),
    ("missing host", None, b"MZlib", 1, "cannot read the host image", None),
]
failed = 0
for name, host, plugin, code, text, package in cases:
    with tempfile.TemporaryDirectory() as folder:
        got_code, err, out = pack(folder, host, plugin)
        if got_code != code or text not in err or out != package:
            failed += 1
            print(f"FAIL {name}: exit {got_code}, stderr {err!r}, package {out!r}")
print(f"{len(cases) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
