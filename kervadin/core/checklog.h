#pragma once
// The inspection log: a CSV file of check records (checkrecord.h), one row
// each. No Qt here.
//
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

#include "kervadin/core/checkrecord.h"
#include "runtime/refusal.h"

#include <string>

namespace kervadin {

// The log's first line, without its line ending: for a log begun with a
// record of a verdict stated under a rule or with U (CheckRecord::stated),
// StatedCheckLogHeader, which adds the rule, U and the zones; for any other,
// CheckLogHeader. A log of the second kind takes no stated record
// ("Earlier Check Log"); one of the first takes every record.
extern const char CheckLogHeader[];
extern const char StatedCheckLogHeader[];
// The first line of an earlier log, whose columns end at Verdict, without
// the starts, the lead correction and the major diameter. Such a log is
// still taken for a record of one start, with no lead correction and no
// major diameter measured, in its own columns; any other record is refused
// ("Earlier Check Log"), the file left as it was.
extern const char EarlierCheckLogHeader[];

// Appends the record's row to the log at path, creating it with its header
// when it does not exist or is empty. The row is written with one append and
// synchronised to the disk before this returns. A refusal is returned, and
// the file left as it was, for:
// - a file whose first line is not the header: "Not a Check Log"; an
//   earlier log a record does not fit: "Earlier Check Log";
// - a path that cannot be opened, read or written (a folder, no permission,
//   a full disk): "Cannot Save", naming the file and the system's reason.
//   A row the system took only in part is cut off again, and a log this
//   call created is removed.
// A log whose last row has no line break after it (RFC 4180 allows that)
// first gets the break, so the new row starts on a line of its own.
// Nothing is refused when the returned refusal's refuses() is false.
[[nodiscard]] rt::Refusal appendRecord(const std::string &path, const CheckRecord &record);

} // namespace kervadin
