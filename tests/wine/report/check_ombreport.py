#!/usr/bin/env python3
"""ombreport.exe under wine64 as each Windows version of the time.

usage: check_ombreport.py WINE_RUN OMBREPORT_EXE WORK_DIR

Wine reports the Windows version configured for a program's file name
(HKCU\\Software\\Wine\\AppDefaults\\<name>\\Version), so each version gets its
own copy of the program and no other test's view of the prefix changes. Each
run must write a report whose OS line names that version, whose sections
stand in order in their frame, and whose every line ends in CR LF; a path that
cannot be created must fail with the message and the path.
"""
import os
import shutil
import subprocess
import sys

STARS = "*" * 70
# What each version's record says, as the report words it. The program is a
# 64-bit one, so Windows Server 2003 is its x64 edition.
VERSIONS = {
    "win98": "Microsoft Windows 98 SE ",
    "nt40": "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)",
    "win2k": "Microsoft Windows 2000 Professional Service Pack 4 (Build 2195)",
    "winxp": "Microsoft Windows XP Professional Service Pack 3 (Build 2600)",
    "win2003": "Microsoft Windows Server 2003, Standard x64 Edition Service Pack 2 (Build 3790)",
    "vista": "Microsoft Windows Vista Professional Service Pack 2 (Build 6002)",
}
TITLES = ["Problem Description:-", "Computer Details:-", "Network Details:-"]


def run(wine_run, *args):
    return subprocess.run([wine_run, *args], capture_output=True, text=True, errors="replace", timeout=120)


def check_report(data, version):
    errors = []
    text = data.decode("latin-1")
    if text.replace("\r\n", "").find("\n") >= 0:
        errors.append("a line ends without CR")
    lines = text.split("\r\n")
    if lines[0] != "TRP Version: 1.0.105":
        errors.append("first line: %r" % lines[0])
    os_lines = [line for line in lines if line.startswith("                   OS: ")]
    if os_lines != ["                   OS: " + VERSIONS[version]]:
        errors.append("OS line: %r" % os_lines)
    titles = [line for line in lines if line.endswith(":-") and not line.startswith(" ")]
    if titles != TITLES:
        errors.append("sections: %r" % titles)
    for title in TITLES:
        if title + "\r\n" + STARS + "\r\n" not in text:
            errors.append("no star rule under " + title)
    if not text.endswith("   Transports:-\r\n\r\n\r\n"):
        errors.append("file ends with %r" % text[-60:])
    return errors


def main():
    wine_run, program, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    failures = []
    for version in VERSIONS:
        copy = os.path.join(work, "ombreport_%s.exe" % version)
        shutil.copy(program, copy)
        key = "HKCU\\Software\\Wine\\AppDefaults\\ombreport_%s.exe" % version
        run(wine_run, "reg", "add", key, "/v", "Version", "/d", version, "/f")
        log = os.path.join(work, version + ".log")
        result = run(wine_run, copy, log)
        errors = []
        if result.returncode != 0:
            errors.append("exit code %d: %s" % (result.returncode, result.stderr.strip()))
        if "[2/7] Retrieving System Details:" not in result.stdout:
            errors.append("no progress on the console: %r" % result.stdout)
        if os.path.exists(log):
            with open(log, "rb") as f:
                errors += check_report(f.read(), version)
        else:
            errors.append("no report written")
        print("%-8s %s" % (version, "ok" if not errors else "FAILED"))
        failures += ["%s: %s" % (version, e) for e in errors]

    # A folder that does not exist: the message and the path, nothing else.
    missing = os.path.join(work, "missing", "ombdiag.log")
    result = run(wine_run, program, missing)
    if result.returncode == 0 or "Failed to create log file." not in result.stderr or "missing" not in result.stderr:
        failures.append("missing folder: exit %d, %r" % (result.returncode, result.stderr))
    if "[" in result.stdout:
        failures.append("missing folder: progress shown: %r" % result.stdout)

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
