#include "kervadin/core/checkrecord.h"

#include <ctime>

namespace kervadin {
namespace {

void addLine(std::string &text, const char *caption, const std::string &value)
{
    if (!value.empty())
        text += std::string(caption) + ": " + value + "\n";
}

std::string joinGiven(const std::string (&values)[ReadingCount])
{
    std::string joined;
    for (const std::string &value : values) {
        if (value.empty())
            continue;
        if (!joined.empty())
            joined += ", ";
        joined += value;
    }
    return joined;
}

// Whether the record judges the major diameter: it and both its limits given.
bool judged(const CheckRecord &record)
{
    return !record.major.empty() && !record.majorMaximum.empty() && !record.majorMinimum.empty();
}

CheckRefusal noCheck(const CheckRefusal &checkRefusal)
{
    if (checkRefusal.refuses()) {
        CheckRefusal said = checkRefusal;
        said.title = "No Check";
        return said;
    }
    return refusalAt(CheckField::Check, "No Check", "There is no verdict to record.",
                     "Please check the readings first.");
}

// The record's Thread and Class: the thread as the check names it, without
// the class, and the class chosen, empty for limits typed from a drawing.
void threadFields(const State &state, const ToleranceClass &toleranceClass, CheckRecord &record)
{
    record.thread = state.thread() ? checkName(*state.thread()) : std::string();
    record.threadClass = className(toleranceClass);
    if (state.thread())
        record.unit = unitSymbol(state.thread()->unit());
}

} // namespace

Recorded recordCheck(const State &state, const ShownCheck &shown, const std::string &time)
{
    // A record never pairs the entries of now with a verdict of before.
    if (!shown.verdict || shown.entry != shown.verdictEntry)
        return {std::nullopt, noCheck(shown.checkRefusal)};
    const CheckTexts &texts = *shown.verdict;
    CheckRecord r;
    r.time = time;
    r.part = shown.part;
    threadFields(state, texts.toleranceClass, r);
    r.wire = texts.wire;
    // Entries as typed, without the blanks around them: the check took
    // nothing else.
    r.maximum = readEntry(texts.maximum).text;
    r.minimum = readEntry(texts.minimum).text;
    for (int i = 0; i < ReadingCount; ++i) {
        r.readings[i] = readEntry(shown.verdictEntry.readings[i]).text;
        r.readingDiameters[i] = texts.readingDiameters[i];
    }
    r.mean = texts.mean;
    r.meanDiameter = texts.meanDiameter;
    r.spread = texts.spread;
    r.verdict = texts.verdict;
    r.starts = readEntry(shown.verdictEntry.starts).text;
    r.leadCorrection = texts.leadCorrection;
    r.leadAngle = texts.leadAngle;
    r.majorMaximum = readEntry(texts.majorMaximum).text;
    r.majorMinimum = readEntry(texts.majorMinimum).text;
    r.major = readEntry(shown.verdictEntry.major).text;
    r.rule = ruleName(shown.verdictEntry.rule);
    r.expanded = texts.expanded;
    for (int i = 0; i < ReadingCount; ++i)
        r.zones[i] = zoneWord(texts.zones[i]);
    r.majorZone = zoneWord(texts.majorZone);
    return {r, {}};
}

std::string recordText(const CheckRecord &record)
{
    std::string text = "Thread: " + record.thread;
    if (!record.threadClass.empty())
        text += "-" + record.threadClass;
    text += "\n";
    addLine(text, "Part", record.part);
    addLine(text, "Unit", record.unit);
    addLine(text, "Wire", record.wire);
    if (const int starts = startsOf(record.starts).value_or(1); starts > 1)
        addLine(text, "Starts", std::to_string(starts));
    if (!record.leadCorrection.empty())
        text += "Lead angle: " + record.leadAngle + ", corrected by " + record.leadCorrection + "\n";
    if (!record.minimum.empty() || !record.maximum.empty())
        text += "Limits: " + record.minimum + " to " + record.maximum + "\n";
    addLine(text, "Readings", joinGiven(record.readings));
    addLine(text, "Pitch diameters", joinGiven(record.readingDiameters));
    if (!record.mean.empty())
        text += "Mean: reading " + record.mean + ", pitch diameter " + record.meanDiameter + "\n";
    addLine(text, "Spread", record.spread);
    if (judged(record))
        text += "Major diameter: " + record.major + ", limits " + record.majorMinimum + " to "
            + record.majorMaximum + "\n";
    std::string verdict = record.verdict;
    for (std::size_t at = verdict.find('\n'); at != std::string::npos; at = verdict.find('\n', at + 3))
        verdict.insert(at + 1, "  ");
    text += "Verdict: " + verdict + "\n";
    addLine(text, "Checked", record.time);
    if (record.stated()) {
        addLine(text, "Rule", record.rule);
        if (!record.expanded.empty())
            addLine(text, "U", record.expanded + " (k = 2)");
        addLine(text, "Zones", joinGiven(record.zones));
        addLine(text, "Major diameter zone", record.majorZone);
    }
    return text;
}

bool CheckRecord::stated() const
{
    return !expanded.empty() || (!rule.empty() && rule != ruleName(DecisionRule::Simple));
}

std::string localTimeText(std::time_t moment)
{
    // localtime_r need not look at TZ again by itself.
    tzset();
    std::tm local{};
    if (!localtime_r(&moment, &local))
        return {};
    char text[64];
    const std::size_t size = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    if (size < 5)
        return {};
    // %z gives "+0100"; ISO 8601's extended form wants "+01:00".
    std::string iso(text, size);
    iso.insert(iso.size() - 2, 1, ':');
    return iso;
}

std::string localTimeNow()
{
    return localTimeText(std::time(nullptr));
}

} // namespace kervadin
