#!/usr/bin/env python3
"""Run a long scripted session and watch the program's resident memory.

    soak.py TOOL SCRIPT [--warmup N] [--limit-kib K] [--timeout S]

TOOL is a script tool (kervadin-script, dorvic-script). The SCRIPT's lines
are fed to it one at a time through a pipe. After the WARMUP-th action
(1000) and again after the last one, a `focus` command is sent and its
answer awaited, so that every command before it has run; then VmRSS is read
from /proc/PID/status. Fails when:

  - the resident memory grew by LIMIT KiB (1024) or more between the two
    readings;
  - the tool printed an `error` line, or `ended` (the session must not end
    the program), or died, or exited with a status other than 0;
  - a `text` line shows "inf", "nan" or an exponent ("e+"), in any case.

Prints both readings and the growth.
"""

import argparse
import json
import os
import queue
import subprocess
import sys
import threading
import time

ACTIONS = ("click", "type", "set", "close", "key")


def resident_kib(pid):
    with open("/proc/%d/status" % pid, encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS for process %d" % pid)


def bad_text(line):
    """The reason a `text WINDOW.NAME "TEXT"` line shows a broken number."""
    if not line.startswith("text "):
        return None
    parts = line.split(" ", 2)
    if len(parts) < 3:
        return "malformed text line"
    try:
        shown = json.loads(parts[2])
    except ValueError:
        return "malformed text line"
    lowered = shown.lower()
    for word in ("inf", "nan", "e+"):
        if word in lowered:
            return "shows %r" % word
    return None


class Tool:
    def __init__(self, command):
        self.proc = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, bufsize=0)
        self.lines = queue.Queue()
        self.stderr_tail = []
        threading.Thread(target=self._read_stdout, daemon=True).start()
        threading.Thread(target=self._read_stderr, daemon=True).start()

    def _read_stdout(self):
        for raw in self.proc.stdout:
            self.lines.put(raw.decode("utf-8", "replace").rstrip("\n"))
        self.lines.put(None)

    def _read_stderr(self):
        for raw in self.proc.stderr:
            self.stderr_tail = (self.stderr_tail + [raw.decode("utf-8", "replace").rstrip()])[-20:]

    def send(self, line):
        self.proc.stdin.write(line.encode("utf-8") + b"\n")
        self.proc.stdin.flush()


class Soak:
    def __init__(self, tool, timeout):
        self.tool = tool
        self.timeout = timeout
        self.problems = []
        self.counts = {}
        self.ended = False

    def take(self, line):
        kind = line.split(" ", 1)[0]
        self.counts[kind] = self.counts.get(kind, 0) + 1
        if kind == "error":
            self.problems.append(line)
        elif kind == "ended":
            self.problems.append("the program ended during the session")
        else:
            reason = bad_text(line)
            if reason:
                self.problems.append("%s: %s" % (reason, line))

    def drain(self):
        while True:
            try:
                line = self.tool.lines.get_nowait()
            except queue.Empty:
                return
            if line is None:
                self.ended = True
                return
            self.take(line)

    def synchronise(self):
        """Send `focus` and consume output up to its answer."""
        self.tool.send("focus")
        deadline = time.monotonic() + self.timeout
        while True:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise RuntimeError("no answer to `focus` within %d s" % self.timeout)
            try:
                line = self.tool.lines.get(timeout=remaining)
            except queue.Empty:
                continue
            if line is None:
                raise RuntimeError("the tool stopped before answering `focus`")
            if line.startswith("focus "):
                return
            self.take(line)
            if line == "ended":
                raise RuntimeError("the program ended; `focus` will not be answered")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tool")
    parser.add_argument("script")
    parser.add_argument("--warmup", type=int, default=1000)
    parser.add_argument("--limit-kib", type=int, default=1024)
    parser.add_argument("--timeout", type=int, default=300)
    args = parser.parse_args()

    with open(args.script, encoding="utf-8") as f:
        script = [line.rstrip("\n") for line in f]
    if any(line.strip() == "focus" for line in script):
        print("soak.py: the script must not use `focus`; it is the synchronisation",
              file=sys.stderr)
        return 2
    total = sum(1 for line in script if line.split(" ", 1)[0] in ACTIONS)
    if total <= args.warmup:
        print("soak.py: the script has %d actions, not more than %d" % (total, args.warmup),
              file=sys.stderr)
        return 2

    started = time.monotonic()
    tool = Tool([args.tool])
    soak = Soak(tool, args.timeout)
    actions = 0
    first = last = None
    try:
        for line in script:
            tool.send(line)
            if line.split(" ", 1)[0] in ACTIONS:
                actions += 1
                if actions == args.warmup:
                    soak.synchronise()
                    first = resident_kib(tool.proc.pid)
            soak.drain()
        soak.synchronise()
        last = resident_kib(tool.proc.pid)
        tool.proc.stdin.close()
        status = tool.proc.wait(timeout=args.timeout)
    except (RuntimeError, OSError, subprocess.TimeoutExpired) as e:
        tool.proc.kill()
        tool.proc.wait()
        print("soak.py: FAIL after %d actions: %s" % (actions, e))
        for line in tool.stderr_tail:
            print("  stderr: " + line)
        for p in soak.problems[:20]:
            print("  " + p)
        return 1
    while not soak.ended:
        line = tool.lines.get()
        if line is None:
            break
        soak.take(line)

    growth = last - first
    print("actions: %d; output lines: %s" % (actions, ", ".join(
        "%s %d" % kv for kv in sorted(soak.counts.items()))))
    print("VmRSS after action %d: %d KiB" % (args.warmup, first))
    print("VmRSS after action %d: %d KiB" % (actions, last))
    print("growth: %+d KiB (limit %d KiB); %.1f s"
          % (growth, args.limit_kib, time.monotonic() - started))
    if status != 0:
        soak.problems.append("the tool exited with status %d" % status)
    if growth >= args.limit_kib:
        soak.problems.append("resident memory grew by %d KiB" % growth)
    for p in soak.problems[:50]:
        print("FAIL: " + p)
    if len(soak.problems) > 50:
        print("FAIL: ... %d problems in all" % len(soak.problems))
    return 1 if soak.problems else 0


if __name__ == "__main__":
    sys.exit(main())
