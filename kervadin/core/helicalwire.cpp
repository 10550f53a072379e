#include "kervadin/core/helicalwire.h"

#include "runtime/numbers.h"

#include <cmath>

namespace kervadin {
namespace {

constexpr double Pi = 3.14159265358979323846;

[[noreturn]] void unsettled()
{
    throw rt::ArithmeticFault(rt::Fault::InvalidArgument);
}

// The groove: the flank z = c + t × ρ + k × θ in cylindrical coordinates
// (ρ, θ, z), the wire's axis through (d, 0, 0) along (0, cos ψ, sin ψ).
struct Groove {
    double c; // the flank's z on the axis, by the line of the axial section
    double t; // tan of the half angle
    double k; // lead ÷ 2π
};

// The least distance from the wire's axis to the flank, Newton's method on
// the square of the distance in (ρ, θ), from the point of the axial section
// under the wire.
double flankDistance(const Groove &g, double d, double psi, double rho)
{
    const double cp = std::cos(psi);
    const double sp = std::sin(psi);
    double th = 0;
    for (int i = 0; i < 60; ++i) {
        const double st = std::sin(th);
        const double ct = std::cos(th);
        const double z = g.c + rho * g.t + g.k * th;
        const double q = rho * st * cp + z * sp;
        const double qr = st * cp + g.t * sp;
        const double qt = rho * ct * cp + g.k * sp;
        const double g1 = rho - d * ct + z * g.t - q * qr;
        const double g2 = d * rho * st + z * g.k - q * qt;
        const double h11 = 1 + g.t * g.t - qr * qr;
        const double h12 = d * st + g.t * g.k - (qt * qr + q * ct * cp);
        const double h22 = d * rho * ct + g.k * g.k - (qt * qt - q * rho * st * cp);
        const double det = h11 * h22 - h12 * h12;
        if (!(det > 0))
            unsettled();
        const double dr = -(h22 * g1 - h12 * g2) / det;
        const double dt = -(h11 * g2 - h12 * g1) / det;
        rho += dr;
        th += dt;
        if (std::fabs(dr) <= 1e-15 * (1 + std::fabs(rho)) && std::fabs(dt) <= 1e-15)
            break;
    }
    const double x = rho * std::cos(th) - d;
    const double y = rho * std::sin(th);
    const double z = g.c + rho * g.t + g.k * th;
    const double along = y * cp + z * sp;
    const double square = x * x + y * y + z * z - along * along;
    if (!std::isfinite(square))
        unsettled();
    return std::sqrt(std::fmax(square, 0.0));
}

// The distance d of the wire's axis from the thread's axis at which the
// wire of radius r just touches the flank, by the secant method from the
// wire's place in the axial section.
double restingDistance(const Groove &g, double psi, double pitchRadius, double r, double half)
{
    const double guess = pitchRadius + r * std::sin(half);
    double d0 = guess;
    double d1 = guess + 1e-4 * (1 + pitchRadius);
    const auto gap = [&](double d) { return flankDistance(g, d, psi, d - r * std::sin(half)) - r; };
    double f0 = gap(d0);
    double f1 = gap(d1);
    for (int i = 0; i < 60; ++i) {
        if (f1 == f0)
            break;
        const double d2 = d1 - f1 * (d1 - d0) / (f1 - f0);
        d0 = d1;
        f0 = f1;
        d1 = d2;
        f1 = gap(d1);
        if (std::fabs(d1 - d0) <= 1e-14 * (1 + std::fabs(d1)))
            return d1;
    }
    if (!(std::fabs(f1) <= 1e-12 * (1 + r)))
        unsettled();
    return d1;
}

} // namespace

HelicalContact helicalContact(double basic, double pitch, double lead, double wire, double angle)
{
    const double half = angle / 2 * Pi / 180;
    if (!(basic > 0 && pitch > 0 && lead >= 0 && wire > 0 && half > 0 && half < Pi / 2)
        || !std::isfinite(basic + pitch + lead + wire))
        unsettled();
    const double pitchRadius = basic / 2;
    const double r = wire / 2;
    const double t = std::tan(half);
    const Groove g{pitch / 4 - pitchRadius * t, t, lead / (2 * Pi)};
    const double lead0 = std::atan(lead / (Pi * basic));
    // A turn at which the wire finds no resting place counts as no rest.
    const auto distance = [&](double psi) {
        try {
            return restingDistance(g, psi, pitchRadius, r, half);
        } catch (const rt::ArithmeticFault &) {
            return HUGE_VAL;
        }
    };

    // The wire comes to rest where it sinks furthest, near the lead angle.
    double psi = 0;
    if (lead0 > 0) {
        const double golden = (std::sqrt(5.0) - 1) / 2;
        double lo = 0.2 * lead0;
        double hi = std::fmin(1.5 * lead0, 0.49 * Pi);
        double x1 = hi - golden * (hi - lo);
        double x2 = lo + golden * (hi - lo);
        double f1 = distance(x1);
        double f2 = distance(x2);
        for (int i = 0; i < 60 && hi - lo > 1e-12; ++i) {
            if (f1 < f2) {
                hi = x2;
                x2 = x1;
                f2 = f1;
                x1 = hi - golden * (hi - lo);
                f1 = distance(x1);
            } else {
                lo = x1;
                x1 = x2;
                f1 = f2;
                x2 = lo + golden * (hi - lo);
                f2 = distance(x2);
            }
        }
        psi = (lo + hi) / 2;
        // At rest only where it could turn either way: a wire that sinks on
        // until it finds no place is not resting on these flanks alone.
        const double step = 1e-4 * lead0;
        if (!(distance(psi - step) >= distance(psi) && distance(psi + step) >= distance(psi)
              && distance(psi + step) < HUGE_VAL))
            unsettled();
    }
    const double over = 2 * distance(psi) + wire - basic;
    if (!std::isfinite(over))
        unsettled();
    return {over, psi * 180 / Pi};
}

} // namespace kervadin
