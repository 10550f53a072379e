#include "kervadin/core/checklog.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kervadin {

#define EARLIER_COLUMNS                                                                       \
    "Time,Part,Thread,Class,Unit,Wire,PD max,PD min,Reading 1,Reading 2,Reading 3,Reading 4,"   \
    "Reading 5,PD 1,PD 2,PD 3,PD 4,PD 5,Mean reading,Mean PD,Spread,Verdict"
const char EarlierCheckLogHeader[] = EARLIER_COLUMNS;
#define COLUMNS EARLIER_COLUMNS ",Starts,Lead correction,Major max,Major min,Major"
const char CheckLogHeader[] = COLUMNS;
const char StatedCheckLogHeader[] =
    COLUMNS ",Rule,U,Zone 1,Zone 2,Zone 3,Zone 4,Zone 5,Major zone";
#undef COLUMNS
#undef EARLIER_COLUMNS

namespace {

// A spreadsheet saving the log as UTF-8 may put a byte-order mark before the
// header; such a log is still taken, and the rows appended carry none.
const char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t ByteOrderMarkSize = sizeof ByteOrderMark - 1;
constexpr std::size_t HeaderSize = sizeof CheckLogHeader - 1;
constexpr std::size_t EarlierHeaderSize = sizeof EarlierCheckLogHeader - 1;
constexpr std::size_t StatedHeaderSize = sizeof StatedCheckLogHeader - 1;

// Which header a log's first line is.
enum class LogColumns { None, Stated, Current, Earlier };

// Each header, the longest first: a longer one begins with a shorter.
struct Header {
    LogColumns columns;
    const char *text;
    std::size_t size;
};
const Header Headers[] = {
    {LogColumns::Stated, StatedCheckLogHeader, StatedHeaderSize},
    {LogColumns::Current, CheckLogHeader, HeaderSize},
    {LogColumns::Earlier, EarlierCheckLogHeader, EarlierHeaderSize},
};

rt::Refusal cannotSave(const std::string &path, int error)
{
    return {"Cannot Save", "The record cannot be written to " + path + ": " + std::strerror(error) + ".",
            "Please choose another file and try again."};
}

rt::Refusal notACheckLog(const std::string &path)
{
    return {"Not a Check Log", path + " is not a check log: its first line is not the log's header.",
            "Please choose another file, or a new one, and try again."};
}

rt::Refusal earlierCheckLog(const std::string &path)
{
    return {"Earlier Check Log",
            path + " has the columns of an earlier check log, without the starts, the lead "
                   "correction and the major diameter.",
            "Please choose a new file for this record and try again."};
}

rt::Refusal unstatedCheckLog(const std::string &path)
{
    return {"Earlier Check Log",
            path + " has no columns for the decision rule, U and the zones.",
            "Please choose a new file for this record and try again."};
}

// Whether a record says no more than an earlier log's columns hold: one
// start, no lead correction, no major diameter measured.
bool fitsEarlierColumns(const CheckRecord &record)
{
    return startsOf(record.starts).value_or(1) == 1 && record.leadCorrection.empty()
        && record.major.empty();
}

// Reads up to count bytes from offset on, to the end of the file at most.
// Gives false with errno set when the system refuses.
bool readAt(int fd, std::string &into, std::size_t count, off_t offset)
{
    into.assign(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = pread(fd, &into[got], count - got, offset + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    into.resize(got);
    return true;
}

// Writes every byte, going on after a short write. Gives false with errno
// set when the system refuses (a full disk, a quota, an I/O error).
bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Opens the log for reading and appending, creating it when it does not
// exist; created tells whether this call made it.
int openLog(const std::string &path, bool &created)
{
    created = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            created = true;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
        const int existing = open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
        // Removed between the two opens: create it after all.
        if (existing >= 0 || errno != ENOENT)
            return existing;
    }
    return -1;
}

// A new file's name is only kept through a crash once its folder is on the
// disk too. Some file systems refuse to synchronise a folder; the row itself
// is on the disk by then, so that is no reason to refuse the save.
void syncFolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// The line ending that follows a header ending at `at` of the file's head:
// CRLF or LF, CRLF for a header alone without one; empty when the first
// line goes on.
std::string lineEndAfter(const std::string &head, std::size_t at)
{
    if (at == head.size())
        return "\r\n";
    if (head[at] == '\n')
        return "\n";
    if (head.compare(at, 2, "\r\n") == 0)
        return "\r\n";
    return {};
}

// What goes before a new row in an existing log: the header's line ending
// (CRLF or LF) in lineEnd, and in gap the break that ends a last row written
// without one. Gives which header the first line is, None when neither.
LogColumns readLogEnds(const std::string &head, char lastByte, std::string &lineEnd,
                       std::string &gap)
{
    const std::size_t at =
        head.compare(0, ByteOrderMarkSize, ByteOrderMark) == 0 ? ByteOrderMarkSize : 0;
    LogColumns columns = LogColumns::None;
    for (const Header &header : Headers) {
        if (head.compare(at, header.size, header.text) != 0)
            continue;
        lineEnd = lineEndAfter(head, at + header.size);
        if (!lineEnd.empty()) {
            columns = header.columns;
            break;
        }
    }
    if (lineEnd.empty())
        return LogColumns::None;
    if (lastByte == '\n')
        gap.clear();
    else if (lastByte == '\r' && lineEnd == "\r\n")
        gap = "\n";
    else
        gap = lineEnd;
    return columns;
}

// One field as the log writes it: quoted only when it has to be.
std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// The record's row, fields in the header's order, ending in lineEnd; for an
// earlier log only its columns.
std::string csvRow(const CheckRecord &record, const std::string &lineEnd = "\r\n",
                   LogColumns columns = LogColumns::Current)
{
    const std::string *fields[] = {&record.time, &record.part, &record.thread, &record.threadClass,
                                   &record.unit, &record.wire, &record.maximum, &record.minimum};
    std::string row;
    for (const std::string *field : fields)
        row += csvField(*field) + ",";
    for (const std::string &reading : record.readings)
        row += csvField(reading) + ",";
    for (const std::string &diameter : record.readingDiameters)
        row += csvField(diameter) + ",";
    row += csvField(record.mean) + "," + csvField(record.meanDiameter) + "," + csvField(record.spread)
        + "," + csvField(record.verdict);
    if (columns != LogColumns::Earlier) {
        for (const std::string *field : {&record.starts, &record.leadCorrection,
                                         &record.majorMaximum, &record.majorMinimum, &record.major})
            row += "," + csvField(*field);
    }
    if (columns == LogColumns::Stated) {
        row += "," + csvField(record.rule) + "," + csvField(record.expanded);
        for (const std::string &zone : record.zones)
            row += "," + csvField(zone);
        row += "," + csvField(record.majorZone);
    }
    return row + lineEnd;
}

// The bytes a record adds to a log of `size` bytes: a new log's header and
// row, or the row after what the log holds. A refusal for a file that is no
// check log, or an earlier log the record does not fit; errno is set when
// the system refuses to read (the refusal then says nothing).
rt::Refusal bytesToAppend(int fd, off_t size, const std::string &path, const CheckRecord &record,
                          std::string &bytes, bool &readFailed)
{
    readFailed = false;
    if (size == 0) {
        const LogColumns columns = record.stated() ? LogColumns::Stated : LogColumns::Current;
        bytes = std::string(record.stated() ? StatedCheckLogHeader : CheckLogHeader) + "\r\n"
            + csvRow(record, "\r\n", columns);
        return {};
    }
    std::string head, last;
    if (!readAt(fd, head, ByteOrderMarkSize + StatedHeaderSize + 2, 0) || !readAt(fd, last, 1, size - 1)) {
        readFailed = true;
        return {};
    }
    std::string lineEnd, gap;
    const LogColumns columns = readLogEnds(head, last.empty() ? '\n' : last[0], lineEnd, gap);
    if (columns == LogColumns::None)
        return notACheckLog(path);
    if (columns == LogColumns::Earlier && !fitsEarlierColumns(record))
        return earlierCheckLog(path);
    if (columns != LogColumns::Stated && record.stated())
        return unstatedCheckLog(path);
    bytes = gap + csvRow(record, lineEnd, columns);
    return {};
}

} // namespace

rt::Refusal appendRecord(const std::string &path, const CheckRecord &record)
{
    bool created = false;
    const int fd = openLog(path, created);
    if (fd < 0)
        return cannotSave(path, errno);
    // Two programs saving to one log at once must not both write a header.
    // The lock is advisory, and some network file systems have none: the
    // save goes on without it.
    while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }

    // Whatever goes wrong from here leaves the file as it was: a log made
    // here goes again, and what a failed write left is cut off.
    off_t writtenFrom = -1;
    const auto refuse = [&](int error) {
        if (created) {
            unlink(path.c_str());
        } else if (writtenFrom >= 0 && ftruncate(fd, writtenFrom) != 0) {
            // A file that cannot be cut back (a device) was not grown either.
        }
        close(fd);
        return cannotSave(path, error);
    };

    struct stat status {};
    if (fstat(fd, &status) != 0)
        return refuse(errno);
    const off_t size = status.st_size;
    std::string bytes;
    bool readFailed = false;
    const rt::Refusal refusal = bytesToAppend(fd, size, path, record, bytes, readFailed);
    if (readFailed)
        return refuse(errno);
    if (refusal.refuses()) {
        close(fd);
        return refusal;
    }
    writtenFrom = size;
    if (!writeAll(fd, bytes) || fdatasync(fd) != 0)
        return refuse(errno);
    // The row is on the disk: an error closing the file loses nothing.
    close(fd);
    if (created)
        syncFolderOf(path);
    return {};
}

} // namespace kervadin
