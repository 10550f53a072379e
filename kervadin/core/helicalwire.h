#pragma once
// Three wires over a thread of large lead angle, from the wire's contact with
// the helicoidal flanks. No Qt here.
//
// A straight wire lies across the groove under the anvil: its axis is a line
// square to the radius through it, at a distance d from the thread's axis,
// turned by an angle ψ to the plane square to the thread's axis. For each ψ
// the wire sinks until it touches the flanks (a half turn about that radius
// maps the groove onto itself and one flank onto the other, so touching one
// flank it touches both); it comes to rest at the ψ that lets it sink
// furthest. The micrometer reads M = 2d + W over it. Worked numerically: the
// nearest point of a flank to the wire's axis by Newton's method, the wire's
// distance by the secant method, ψ by golden-section search about the lead
// angle at the pitch diameter.
//
// The flank in the thread's axial section: the groove P ÷ 2 wide at the
// pitch diameter E, widening outward at the half angle; the helicoid of the
// lead L carries it round.

namespace kervadin {

struct HelicalContact {
    double overWires;  // M − E: what the wires add to the pitch diameter
    double wireAngle;  // ψ, degrees
};

// For a thread of pitch diameter E, pitch P, lead L (starts × P) and
// included angle A (degrees), with wires of diameter W. Throws
// rt::ArithmeticFault (InvalidArgument) when the values cannot form a groove
// the wire rests in or the search does not settle.
HelicalContact helicalContact(double basic, double pitch, double lead, double wire,
                              double angle);

} // namespace kervadin
