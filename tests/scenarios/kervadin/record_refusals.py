# The folder after record_refusals.script: the file that is not a check log
# byte for byte as it was, nothing saved for the refused Saves, and one row
# in the log saved at the end.
import os
import sys

folder, scenarios = sys.argv[1], sys.argv[2]
assert sorted(os.listdir(folder)) == ["inspection.csv", "thread-checks.csv"], os.listdir(folder)
with open(folder + "/inspection.csv", "rb") as f, \
        open(scenarios + "/record_refusals.files/inspection.csv", "rb") as g:
    assert f.read() == g.read()
with open(folder + "/thread-checks.csv", "rb") as f:
    lines = f.read().split(b"\r\n")
assert len(lines) == 3 and lines[2] == b"", lines
assert lines[1].endswith(b",0.2575,0.2580,,,,0.2141,0.2146,,,,0.2578,0.2144,0.0005,Within limits.,1,,0.2489,0.2408,"), lines[1]
