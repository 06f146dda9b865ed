#include "signals/RiceMean.h"

#include <cmath>
#include <numbers>

namespace amsim {

namespace {

// Below this argument the Bessel functions' power series, above it their
// asymptotic series, each to about the last bit.
constexpr double kSeriesUpTo = 25.0;

struct ScaledBessel {
    double i0; // e^(-y) I0(y)
    double i1; // e^(-y) I1(y)
};

// I0(y) = sum (y²/4)^k / (k!)², I1(y) = (y/2) sum (y²/4)^k / (k! (k + 1)!):
// positive terms, so nothing cancels.
ScaledBessel powerSeries(double y) {
    const double quarterSquare = y * y / 4.0;
    double term0 = 1.0;
    double term1 = y / 2.0;
    double i0 = term0;
    double i1 = term1;
    for (int k = 1; term0 > 1e-17 * i0; ++k) {
        term0 *= quarterSquare / (static_cast<double>(k) * k);
        term1 *= quarterSquare / (static_cast<double>(k) * (k + 1));
        i0 += term0;
        i1 += term1;
    }
    const double scale = std::exp(-y);
    return {i0 * scale, i1 * scale};
}

// e^(-y) I_n(y) ~ (2 pi y)^(-1/2) sum_k (-1)^k prod_(j<=k) (4n² - (2j - 1)²) / (k! (8y)^k).
double asymptotic(double y, double order) {
    const double mu = 4.0 * order * order;
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k <= 12; ++k) {
        const double odd = 2.0 * k - 1.0;
        term *= -(mu - odd * odd) / (static_cast<double>(k) * 8.0 * y);
        sum += term;
    }
    return sum / std::sqrt(2.0 * std::numbers::pi * y);
}

ScaledBessel scaledBessel(double y) {
    if (y <= kSeriesUpTo) {
        return powerSeries(y);
    }
    return {asymptotic(y, 0.0), asymptotic(y, 1.0)};
}

} // namespace

double riceMean(double amplitude, double noisePower) {
    if (noisePower <= 0.0) {
        return std::abs(amplitude);
    }
    const double variance = noisePower / 2.0;
    const double q = amplitude * amplitude / (2.0 * variance);
    const ScaledBessel bessel = scaledBessel(q / 2.0);
    return std::sqrt(variance * std::numbers::pi / 2.0) * ((1.0 + q) * bessel.i0 + q * bessel.i1);
}

double riceCosineMean(double amplitude, double noisePower) {
    if (noisePower <= 0.0) {
        return amplitude == 0.0 ? 0.0 : 1.0;
    }
    const double q = amplitude * amplitude / noisePower;
    const ScaledBessel bessel = scaledBessel(q / 2.0);
    return std::sqrt(std::numbers::pi * q / 4.0) * (bessel.i0 + bessel.i1);
}

} // namespace amsim
