#pragma once
// A thread as machinists call it: "1/4-20 UNC", "1/4-32 UNEF", "M12 × 1.75",
// "1/4 BSF (26 TPI)", "2 BA (0.81 mm)"; a custom thread "0.5000-28 UN" or
// "M7 × 0.9";
// with a class "1/4-20 UNC-2A", "M10 × 1.5-6g", "M10 × 1.5-4g6g". No Qt here.

#include "kervadin/core/classes.h"

#include <string>

namespace kervadin {

// A standard size is named from its row of the tables (its diameter and
// pitch), a custom thread from its diameter and pitch. A class the thread
// does not offer is left out.
std::string designation(const CheckedThread &thread,
                        const ToleranceClass &toleranceClass = ToleranceClass::None);

} // namespace kervadin
