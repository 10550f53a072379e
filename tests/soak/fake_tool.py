#!/usr/bin/env python3
"""A stand-in for a script tool, with one chosen fault, for selftest.py.

Reads commands like the real tools and answers `focus`; prints one text
line for every `print`. FAKE_FAULT chooses what goes wrong: none, leak
(keeps 4 KiB for every command), inf, nan, exponent, error, ended, status.
"""

import os
import sys

fault = os.environ.get("FAKE_FAULT", "none")
kept = []
shown = {"inf": "inf", "nan": "-NaN", "exponent": "1.5E+20"}.get(fault, "0.5117")
number = 0
for line in sys.stdin:
    number += 1
    command = line.split(" ", 1)[0].strip()
    if fault == "leak":
        kept.append(bytearray(b"x" * 4096))
    if command == "focus":
        print("focus frmFake.txtFake", flush=True)
    elif command == "print":
        print('text frmFake.lblFake "%s"' % (shown if number > 2000 else "0.5117"), flush=True)
    if number == 3000 and fault == "error":
        print("error %d: window frmFake is hidden" % number, flush=True)
    if number == 3000 and fault == "ended":
        print("ended", flush=True)
sys.exit(3 if fault == "status" else 0)
