#pragma once
// The record of a check: one row of the inspection log (a CSV file), or the
// same record as lines a person reads, for the clipboard. No Qt here: every
// field is a text as the check window shows it, empty where a box is empty.
//
// The log file:
// - UTF-8 without a byte-order mark; its first line is CheckLogHeader.
// - RFC 4180: fields separated by commas; a field holding a comma, a quote,
//   a carriage return or a line feed is put between quotes, with each quote
//   in it doubled. A line break inside a field (the verdict's two lines) is
//   kept as it is, so the field reads back to the very text shown.
// - Rows end in CRLF, as RFC 4180 asks and as spreadsheets write; a log
//   whose header ends in a bare LF (one saved by another tool) goes on with
//   LF, so each file keeps the one line ending it has.
// - A row is only ever appended, in one write, and on the disk before
//   appendRecord returns; the bytes already in the file are never rewritten.
//
// The clipboard text, one line each, a line left out when its value is empty
// (Thread and Verdict are always given):
//   Thread: 1/4-20 UNC-2A            the class joined with "-" when there is one
//   Part: BRK-114, rev. C
//   Unit: inch
//   Wire: 0.0289
//   Limits: 0.2127 to 0.2164         minimum to maximum pitch diameter
//   Readings: 0.2550, 0.2552         the readings given, in order
//   Pitch diameters: 0.2141, 0.2143
//   Mean: reading 0.2551, pitch diameter 0.2142
//   Spread: 0.0002
//   Verdict: Within limits.          a second line follows indented by two blanks
//   Checked: 2026-12-07T14:05:09+01:00

#include "kervadin/core/checkrules.h"
#include "runtime/refusal.h"

#include <ctime>
#include <string>

namespace kervadin {

struct CheckRecord {
    std::string time;        // ISO 8601 local time with offset: localTimeText
    std::string part;        // as typed; may be empty
    std::string thread;      // "1/4-20 UNC", without the class
    std::string threadClass; // "2A", "6g", or empty for typed limits
    std::string unit;        // "inch" or "mm"
    std::string wire;
    std::string maximum;     // PD max
    std::string minimum;     // PD min
    std::string readings[ReadingCount];
    std::string readingDiameters[ReadingCount];
    std::string mean;         // mean reading
    std::string meanDiameter; // mean pitch diameter
    std::string spread;
    std::string verdict;      // may hold two lines
};

// The log's first line, without its line ending.
extern const char CheckLogHeader[];

// A moment as local time in ISO 8601 with the offset from UTC,
// "2026-12-07T14:05:09+01:00"; empty if the C library cannot convert it.
std::string localTimeText(std::time_t moment);
// The current moment, as localTimeText.
std::string localTimeNow();

// One field as the log writes it: quoted only when it has to be.
std::string csvField(const std::string &text);
// The record's row, fields in the header's order, ending in lineEnd.
std::string csvRow(const CheckRecord &record, const char *lineEnd = "\r\n");

// Appends the record's row to the log at path, creating it with its header
// when it does not exist or is empty. The row is written with one append and
// synchronised to the disk before this returns. A refusal is returned, and
// the file left as it was, for:
// - a file whose first line is not the header: "Not a Check Log";
// - a path that cannot be opened, read or written (a folder, no permission,
//   a full disk): "Cannot Save", naming the file and the system's reason.
//   A row the system took only in part is cut off again, and a log this
//   call created is removed.
// A log whose last row has no line break after it (RFC 4180 allows that)
// first gets the break, so the new row starts on a line of its own.
// Nothing is refused when the returned refusal's refuses() is false.
rt::Refusal appendRecord(const std::string &path, const CheckRecord &record);

// Save or copy before a check has given a verdict: "No Check".
rt::Refusal noCheckRefusal();

// The record as lines a person reads, each ending in "\n" (see above).
std::string recordText(const CheckRecord &record);

} // namespace kervadin
