# The earlier log after record_earlier.script: its two lines as they were,
# then the one record of one start in the earlier log's 22 columns; the
# refused record of two starts added nothing.
import sys

folder, scenarios = sys.argv[1], sys.argv[2]
with open(scenarios + "/record_earlier.files/earlier.csv", "rb") as f:
    before = f.read()
with open(folder + "/earlier.csv", "rb") as f:
    after = f.read()
assert after.startswith(before), after
added = after[len(before):]
assert added.count(b"\r\n") == 1 and added.endswith(b"\r\n"), added
assert added.count(b",") == 21, added
assert added.endswith(b",0.2575,,,,,0.2141,,,,,0.2575,0.2141,0.0000,Within limits.\r\n"), added
