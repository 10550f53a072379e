#pragma once
// What a call threw, by name, for the tables of the tests without a window:
// "" for nothing, else the fault's kind ("DivisionByZero", "Overflow",
// "InvalidArgument"), or "unknown pattern".

#include "runtime/numbers.h"

#include <QString>
#include <stdexcept>

template <typename F>
QString faultOf(F &&f)
{
    try {
        f();
    } catch (const rt::ArithmeticFault &fault) {
        switch (fault.kind()) {
        case rt::Fault::DivisionByZero: return QStringLiteral("DivisionByZero");
        case rt::Fault::Overflow: return QStringLiteral("Overflow");
        case rt::Fault::InvalidArgument: return QStringLiteral("InvalidArgument");
        }
    } catch (const std::invalid_argument &) {
        return QStringLiteral("unknown pattern");
    }
    return QString();
}
