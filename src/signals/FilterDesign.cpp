#include "signals/FilterDesign.h"

#include "signals/Sine.h"

#include <cmath>

namespace amsim {

namespace {

// The modified Bessel function of order 0, by its power series.
double besselI0(double x) {
    const double quarterSquare = x * x / 4.0;
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; term > sum * 1e-17; ++k) {
        term *= quarterSquare / (static_cast<double>(k) * k);
        sum += term;
    }
    return sum;
}

} // namespace

double kaiserLowPass(double t, double cutoff, double halfLength, double beta) {
    const double ratio = t / halfLength;
    if (std::abs(ratio) >= 1.0) {
        return 0.0;
    }
    const double pi = 4.0 * std::atan(1.0);
    const double argument = 2.0 * pi * cutoff * t;
    const double ideal = t == 0.0 ? 2.0 * cutoff : sine(argument) / (pi * t);
    return ideal * besselI0(beta * std::sqrt(1.0 - ratio * ratio)) / besselI0(beta);
}

} // namespace amsim
