#!/usr/bin/env python3
"""check_package.py PACKAGE HOST PLUGIN: the package is the host image, the
marker and the plug-in image, and the first marker is the one behind the host."""
import sys

package, host, plugin = (open(p, "rb").read() for p in sys.argv[1:4])
marker = b"OBPSTART"
at = package.find(marker)
errors = []
if package[:len(host)] != host:
    errors.append("the package does not start with the host image")
if at != len(host):
    errors.append(f"the first marker is at {at}, not behind the host image at {len(host)}")
if package[at + len(marker):] != plugin:
    errors.append("the bytes behind the first marker are not the plug-in image")
for e in errors:
    print(e)
print(f"{len(errors)} failed" if errors else "package layout ok")
sys.exit(1 if errors else 0)
