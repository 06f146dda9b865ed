#include "signals/AudioBand.h"

#include "signals/Sine.h"

#include <array>
#include <cmath>
#include <numbers>

namespace amsim {

namespace {

using Complex = std::complex<double>;

constexpr std::size_t kEdgeBin = 256; // 3 kHz at 48 kHz / 4096

// cos and -sin of 2 pi k / N for the first half of the block, with the
// engine's sine.
struct Twiddles {
    std::array<double, kAudioBlock / 2> real{};
    std::array<double, kAudioBlock / 2> imaginary{};

    Twiddles() {
        const double step = 2.0 * std::numbers::pi / static_cast<double>(kAudioBlock);
        for (std::size_t k = 0; k < real.size(); ++k) {
            const double angle = step * static_cast<double>(k);
            real.at(k) = cosine(angle);
            imaginary.at(k) = -sine(angle);
        }
    }
};

// A block's transform, its real and imaginary parts apart: in place, radix
// 2, decimation in time.
struct Transform {
    std::vector<double> real;
    std::vector<double> imaginary;

    void run() {
        static const Twiddles twiddles;
        const std::size_t n = real.size();
        for (std::size_t i = 1, j = 0; i < n; ++i) {
            std::size_t bit = n >> 1U;
            for (; (j & bit) != 0; bit >>= 1U) {
                j ^= bit;
            }
            j ^= bit;
            if (i < j) {
                std::swap(real[i], real[j]);
                std::swap(imaginary[i], imaginary[j]);
            }
        }
        for (std::size_t length = 2; length <= n; length <<= 1U) {
            const std::size_t half = length / 2;
            const std::size_t stride = n / length;
            for (std::size_t start = 0; start < n; start += length) {
                for (std::size_t k = 0; k < half; ++k) {
                    butterfly(start + k, start + k + half, twiddles.real[k * stride],
                              twiddles.imaginary[k * stride]);
                }
            }
        }
    }

    void butterfly(std::size_t top, std::size_t bottom, double wr, double wi) {
        const double vr = real[bottom] * wr - imaginary[bottom] * wi;
        const double vi = real[bottom] * wi + imaginary[bottom] * wr;
        real[bottom] = real[top] - vr;
        imaginary[bottom] = imaginary[top] - vi;
        real[top] += vr;
        imaginary[top] += vi;
    }

    Complex at(std::size_t k) const { return {real[k], imaginary[k]}; }
};

} // namespace

std::pair<BandBins, BandBins> audioBandBins(AudioBlock first, AudioBlock second) {
    Transform z{{first.begin(), first.end()}, {second.begin(), second.end()}};
    z.run();
    const double scale = 1.0 / static_cast<double>(kAudioBlock);
    std::pair<BandBins, BandBins> bins{BandBins(kEdgeBin + 1), BandBins(kEdgeBin + 1)};
    for (std::size_t k = 0; k <= kEdgeBin; ++k) {
        const double weight = (k == 0 || k == kEdgeBin ? 1.0 : std::numbers::sqrt2) * scale;
        // first = (Z(k) + conj Z(N - k)) / 2, second = (Z(k) - conj Z(N - k)) / 2i.
        const Complex sum = z.at(k) + std::conj(z.at((kAudioBlock - k) % kAudioBlock));
        const Complex difference = z.at(k) - std::conj(z.at((kAudioBlock - k) % kAudioBlock));
        bins.first[k] = weight / 2.0 * sum;
        bins.second[k] = weight / 2.0 * Complex(difference.imag(), -difference.real());
    }
    return bins;
}

double bandPower(const BandBins& a, const BandBins& b) {
    double sum = 0.0;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        sum += (a[k] * std::conj(b[k])).real();
    }
    return sum;
}

} // namespace amsim
