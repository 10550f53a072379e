#!/usr/bin/env python3
"""Show that soak.py fails for each fault it is meant to catch.

    selftest.py

Runs soak.py against fake_tool.py once without a fault (it must pass) and
once for each fault (it must fail, naming the fault).
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

CASES = [
    ("none", 0, "growth"),
    ("leak", 1, "resident memory grew"),
    ("inf", 1, "shows 'inf'"),
    ("nan", 1, "shows 'nan'"),
    ("exponent", 1, "shows 'e+'"),
    ("error", 1, "error 3000: window frmFake is hidden"),
    ("ended", 1, "the program ended"),
    ("status", 1, "exited with status 3"),
]


def main():
    with tempfile.TemporaryDirectory() as scratch:
        script = os.path.join(scratch, "session.script")
        with open(script, "w", encoding="utf-8") as f:
            for i in range(3000):
                f.write("click frmFake.cmdFake\nprint frmFake.lblFake\n")
        failures = 0
        for fault, expected_status, expected_text in CASES:
            result = subprocess.run(
                [sys.executable, os.path.join(HERE, "soak.py"),
                 os.path.join(HERE, "fake_tool.py"), script, "--timeout", "60"],
                capture_output=True, text=True, env=dict(os.environ, FAKE_FAULT=fault))
            ok = result.returncode == expected_status and expected_text in result.stdout
            print("%-8s status %d %s" % (fault, result.returncode, "ok" if ok else "WRONG"))
            if not ok:
                failures += 1
                print(result.stdout + result.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
