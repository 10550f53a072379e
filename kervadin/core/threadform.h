#pragma once
// The constants of the three thread forms, by their angle: the dimension
// over wires M = D − a × P + b × W, and the basic pitch diameter
// E = D − k × P. Unified and metric threads share the 60° form. No Qt here.

#include "runtime/numbers.h"

#include <initializer_list>

namespace kervadin {

struct ThreadForm {
    double angle;         // degrees
    double pitchFactor;   // a
    double wireFactor;    // b
    double basicFactor;   // k
    const char *basicFactorText;
    const char *halfAngleText; // A ÷ 2, as a working writes it
};

inline constexpr ThreadForm UnifiedForm{60, 1.5155, 3, 0.649519, "0.649519", "30°"};
inline constexpr ThreadForm WhitworthForm{55, 1.6008, 3.1657, 0.640327, "0.640327", "27.5°"};
inline constexpr ThreadForm BritishAssociationForm{47.5, 1.7363, 3.4829, 0.6, "0.6", "23.75°"};

// The form of a thread angle; nullptr for an angle of none of them.
inline const ThreadForm *threadForm(double angle)
{
    for (const ThreadForm *form : {&UnifiedForm, &WhitworthForm, &BritishAssociationForm}) {
        if (form->angle == angle)
            return form;
    }
    return nullptr;
}

// E = D − k × P, unrounded. Throws rt::ArithmeticFault for a result beyond
// the double range.
inline double basicPitchDiameter(const ThreadForm &form, double diameter, double pitch)
{
    return rt::checked(diameter - rt::checked(form.basicFactor * pitch));
}

} // namespace kervadin
