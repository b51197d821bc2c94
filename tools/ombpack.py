#!/usr/bin/env python3
"""Builds the shipped program: host image, the marker "OBPSTART", plug-in image.

The host finds its plug-in behind the first marker in its own file, so a host
image that already holds the marker would unpack the wrong bytes: refused.
"""
import os
import sys

MARKER = b"OBPSTART"


def fail(message):
    print(f"ombpack: {message}", file=sys.stderr)
    sys.exit(1)


def read(path, what):
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        fail(f"cannot read the {what} {path}: {e.strerror}")
    if not data:
        fail(f"the {what} {path} is empty")
    return data


def main(argv):
    if len(argv) != 4:
        print("usage: ombpack.py HOST.exe PLUGIN.dll OUTPUT.exe", file=sys.stderr)
        return 2
    host_path, plugin_path, output_path = argv[1:]
    host = read(host_path, "host image")
    plugin = read(plugin_path, "plug-in image")
    at = host.find(MARKER)
    if at >= 0:
        fail(f"the host image {host_path} already holds the marker OBPSTART at offset {at}; "
             "the host would unpack the wrong bytes")
    partial = output_path + ".part"
    try:
        with open(partial, "wb") as f:
            f.write(host)
            f.write(MARKER)
            f.write(plugin)
        os.chmod(partial, 0o755)
        os.replace(partial, output_path)
    except OSError as e:
        fail(f"cannot write {output_path}: {e.strerror}")
    print(f"ombpack: {output_path}: host {len(host)} + marker + plug-in {len(plugin)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
