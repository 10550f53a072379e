# The log record_save.script saved, read back as a spreadsheet reads it.
import csv
import re
import sys

folder = sys.argv[1]
with open(folder + "/thread-checks.csv", "rb") as f:
    data = f.read()
assert not data.startswith(b"\xef\xbb\xbf"), "byte-order mark"
assert data.count(b"\r\n") == 3 and data.count(b"\n") == 3, data
with open(folder + "/thread-checks.csv", newline="", encoding="utf-8") as f:
    rows = list(csv.reader(f))

header = ("Time,Part,Thread,Class,Unit,Wire,PD max,PD min,Reading 1,Reading 2,Reading 3,"
          "Reading 4,Reading 5,PD 1,PD 2,PD 3,PD 4,PD 5,Mean reading,Mean PD,Spread,Verdict,"
          "Starts,Lead correction,Major max,Major min,Major")
assert rows[0] == header.split(","), rows[0]
expected = [
    ['BRK-114, rev. "C"', "1/4-20 UNC", "2A", "inch", "0.0289", "0.2164", "0.2127",
     "0.2575", "0.2580", "", "0.2578", "", "0.2141", "0.2146", "", "0.2144", "",
     "0.2578", "0.2144", "0.0005", "Within limits.", "1", "", "0.2489", "0.2408", ""],
    ["", "M6 × 1", "", "mm", "0.577", "5.324", "5.212",
     "6.2000", "6.1990", "", "", "", "5.3350", "5.3340", "", "", "",
     "6.1995", "5.3345", "0.0010",
     "Oversize by 0.0110 at reading 1: take 0.0110 off the pitch diameter (0.0055 radial "
     "infeed, 0.0064 on the compound at 30°).", "1", "", "", "", ""],
]
assert len(rows) == 3, rows
for row, fields in zip(rows[1:], expected):
    assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d", row[0]), row[0]
    assert row[1:] == fields, row
