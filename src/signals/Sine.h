#pragma once

#include <cmath>

namespace amsim {

// The engine's own sine and cosine. A platform's library may round its last
// bit either way, and the browser's differs from the desktop's; these use
// + - * alone, exact in IEEE 754 everywhere, so the page computes every
// sample to the bit as the window and the command line do.
//
// The argument is reduced by the nearest multiple n of pi/2, with pi/2 in
// three parts of 33 bits (Cody and Waite); then the polynomials of a quarter
// period (Remez, within half a unit in the last place on [-pi/4, pi/4]) give
// sin and cos of the rest, and n mod 4 picks which and with what sign. Up to
// |x| of 1000 the result is within a unit in the last place of the true
// value; beyond, where the reduction's rounding would begin to show, the
// platform's own is used. The traces' arguments stay under 250, and the
// reinserted carrier's under 1000 for any phase within ±40,000 degrees.
namespace sine_detail {

inline constexpr double kTwoOverPi = 6.36619772367581382433e-01;
inline constexpr double kHalfPi1 = 1.57079632673412561417e+00;
inline constexpr double kHalfPi2 = 6.07710050630396597660e-11;
inline constexpr double kHalfPi3 = 2.02226624871116645580e-21;
inline constexpr double kReducible = 1000.0;

inline double quarterSine(double r) {
    constexpr double S1 = -1.66666666666666324348e-01;
    constexpr double S2 = 8.33333333332248946124e-03;
    constexpr double S3 = -1.98412698298579493134e-04;
    constexpr double S4 = 2.75573137070700676789e-06;
    constexpr double S5 = -2.50507602534068634195e-08;
    constexpr double S6 = 1.58969099521155010221e-10;
    const double z = r * r;
    const double v = z * r;
    const double p = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
    return r + v * (S1 + z * p);
}

inline double quarterCosine(double r) {
    constexpr double C1 = 4.16666666666666019037e-02;
    constexpr double C2 = -1.38888888888741095749e-03;
    constexpr double C3 = 2.48015872894767294178e-05;
    constexpr double C4 = -2.75573143513906633035e-07;
    constexpr double C5 = 2.08757232129817482790e-09;
    constexpr double C6 = -1.13596475577881948265e-11;
    const double z = r * r;
    const double p = z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6)))));
    const double half = 0.5 * z;
    const double w = 1.0 - half;
    return w + (((1.0 - w) - half) + z * p);
}

// sin(x + quadrant pi/2) for the reduced x.
inline double inQuadrant(double r, long quadrant) {
    switch (quadrant & 3) {
    case 0:
        return quarterSine(r);
    case 1:
        return quarterCosine(r);
    case 2:
        return -quarterSine(r);
    default:
        return -quarterCosine(r);
    }
}

inline double reducedSine(double x, long shift) {
    const double n = std::nearbyint(x * kTwoOverPi);
    const double r = ((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
    return inQuadrant(r, static_cast<long>(n) + shift);
}

} // namespace sine_detail

inline double sine(double x) {
    if (!(std::abs(x) < sine_detail::kReducible)) {
        return std::sin(x);
    }
    return sine_detail::reducedSine(x, 0);
}

inline double cosine(double x) {
    if (!(std::abs(x) < sine_detail::kReducible)) {
        return std::cos(x);
    }
    return sine_detail::reducedSine(x, 1);
}

} // namespace amsim
