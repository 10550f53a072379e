#include "kervadin/core/families.h"

#include "runtime/numbers.h"

namespace kervadin {

int wholeThreadsPerInch(const StandardSize &size)
{
    return rt::RoundToInteger(rt::divide(1, size.pitch));
}

ThreadRecord standardRecord(const FamilyRow &row, const StandardSize &size)
{
    return threadRecord(row.rule, size.name, size.diameter, size.pitch, size.helix);
}

} // namespace kervadin
