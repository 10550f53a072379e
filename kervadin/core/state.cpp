#include "kervadin/core/state.h"

#include "runtime/numbers.h"

namespace kervadin {

Thread Thread::standard(Family family, int size)
{
    const FamilyRow &row = familyRow(family);
    const StandardSize &listed = row.sizes[size];
    Thread t;
    t.m_family = family;
    t.m_size = size;
    t.m_rule = &row.rule;
    t.m_diameter = listed.diameter;
    t.m_pitch = listed.pitch;
    if (hasWholeThreadsPerInch(family)) {
        t.m_threadsPerInch = wholeThreadsPerInch(listed);
        t.m_pitch = rt::divide(1, t.m_threadsPerInch);
    }
    t.m_record = standardRecord(row, listed);
    return t;
}

Thread Thread::custom(const CustomThread &entries)
{
    Thread t;
    t.m_custom = true;
    t.m_entries = entries;
    t.m_rule = &customRule(entries.kind);
    t.m_diameter = entries.diameter;
    t.m_pitch = entries.pitch;
    t.m_threadsPerInch = entries.threadsPerInch;
    t.m_record = customRecord(entries);
    return t;
}

void State::setThread(const Thread &thread)
{
    m_thread = thread;
    m_calculation.reset();
}

} // namespace kervadin
