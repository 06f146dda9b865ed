#pragma once

#include "signals/ScreenStart.h"
#include "signals/Sine.h"
#include "signals/Sweep.h"
#include "signals/Tones.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>

namespace amsim {

// The bench's signals, each written once here for the oscilloscope and for
// every other use of the values. x is both the time and the pixel column;
// frequencies are factors of pi per pixel (Tones.h). The arguments are the
// parameters (the generator's tones, each of frequency fm and amplitude m,
// V the DC level, Li and Ls the sideband factors, F the reinserted carrier's
// phase in degrees) and the window's Pi. Each side frequency's working
// amplitude is its tone's m/2. The products keep their order of evaluation:
// the picture depends on every bit of them.

inline constexpr double kCarrierFrequency = factorOf(kCarrierHertz);

// The audio generator's output: the tones on the DC level,
// sum of m sin(fm pi x), + V.
inline double generatorOutput(const Tones& tones, double V, double Pi, double x) {
    return sumOverTones(
               tones,
               [&](const Tone& t) { return t.amplitude * sine(x * Pi * factorOf(t.hertz)); }) +
           V;
}

// The carrier, whose amplitude the DC level sets: V sin(0.1 pi x).
inline double carrier(double V, double Pi, double x) {
    return V * sine(x * Pi * kCarrierFrequency);
}

// The factors of a tone's upper and lower side frequencies, the carrier's
// frequency plus and minus the tone's.
inline double upperFactorOf(const Tone& t) {
    return factorOf(kCarrierHertz + t.hertz);
}
inline double lowerFactorOf(const Tone& t) {
    return factorOf(kCarrierHertz - t.hertz);
}

// The upper side frequencies in the phase in which the transmitter sums
// them: -(sum of Ls (m/2) cos((0.1 + fm) pi x)).
inline double upperSideFrequency(double Ls, const Tones& tones, double Pi, double x) {
    return -sumOverTones(tones, [&](const Tone& t) {
        return Ls * (t.amplitude * 0.5) * cosine(x * Pi * upperFactorOf(t));
    });
}

// The lower side frequencies, likewise: sum of Li (m/2) cos((0.1 - fm) pi x).
inline double lowerSideFrequency(double Li, const Tones& tones, double Pi, double x) {
    return sumOverTones(tones, [&](const Tone& t) {
        return Li * (t.amplitude * 0.5) * cosine(x * Pi * lowerFactorOf(t));
    });
}

// The sideband factors with the tones they carry.
struct Sidebands {
    double Li;
    double Ls;
    Tones tones;
};

// The side frequencies' complex envelope about the carrier, each tone's turn
// e^(i theta) as turnOf gives it: the lower side frequency at -f, the upper
// at +f, with the signs the transmitter sums them with.
template <class Turn>
std::complex<double> sideFrequencyEnvelope(const Sidebands& sides, Turn&& turnOf) {
    std::complex<double> sum;
    for (const Tone& tone : sides.tones) {
        const std::complex<double> turn = turnOf(tone);
        sum += tone.amplitude * 0.5 * (sides.Li * std::conj(turn) - sides.Ls * turn);
    }
    return sum;
}

// What the transmitter sends, the sum of the components above: for each tone
// Li (m/2) cos((0.1 - fm) pi x) - Ls (m/2) cos((0.1 + fm) pi x), and
// V sin(0.1 pi x).
// The transmitter's and the receiver's sum differ only in the side
// frequencies' wave: cosine as the transmitter sums them, sine as the product
// detector receives them.
template <class Wave>
double sidebandsAndCarrier(const Sidebands& sides, double V, double Pi, double x, Wave&& wave) {
    return sumOverTones(sides.tones,
                        [&](const Tone& t) {
                            const double half = t.amplitude * 0.5;
                            return sides.Li * half * wave(x * Pi * lowerFactorOf(t)) -
                                   sides.Ls * half * wave(x * Pi * upperFactorOf(t));
                        }) +
           V * sine(x * Pi * kCarrierFrequency);
}

inline double transmitterOutput(const Sidebands& sides, double V, double Pi, double x) {
    return sidebandsAndCarrier(sides, V, Pi, x, [](double angle) { return cosine(angle); });
}

// The product detector's output before smoothing: the received signal (side
// frequencies in sine phase) times the carrier reinserted F degrees late,
//   -cos(0.1 pi (x + F/18)) (Li (m/2) sin(0.095 pi x) - Ls (m/2) sin(0.105 pi x)
//                            + V sin(0.1 pi x)).
// Its two factors are the carrier reinserted F degrees late and the received
// signal, which is where the channel's noise adds.
// With a frequency error df (Hz) the reinserted carrier's phase error moves
// with the bench's time s (seconds): phi(s) = F + 360 df s. Only the
// fraction of a turn that df s adds is kept, so a late instant loses no
// precision; with no error the phase is F itself, to the bit.
inline double driftedPhase(double F, double df, double seconds) {
    if (df == 0.0) {
        return F;
    }
    const double turns = df * seconds;
    return F + 360.0 * (turns - std::trunc(turns));
}

// The phase error across the screen whose first millisecond is given: at
// column x, phi(t0 + x 2.5 µs).
struct ScreenPhase {
    double F;
    double df;
    std::int64_t millisecond;

    double at(double x) const {
        return driftedPhase(
            F, df, (static_cast<double>(millisecond) + x / kColumnsPerMillisecond) / 1000.0);
    }
};

inline double reinsertedCarrier(double F, double Pi, double x) {
    const double xr = x + F / 18.0;
    return -cosine(xr * Pi * kCarrierFrequency);
}

inline double receivedSignal(const Sidebands& sides, double V, double Pi, double x) {
    return sidebandsAndCarrier(sides, V, Pi, x, [](double angle) { return sine(angle); });
}

inline double detectorProduct(const Sidebands& sides, double V, double F, double Pi, double x) {
    const double c = reinsertedCarrier(F, Pi, x);
    const double r = receivedSignal(sides, V, Pi, x);
    return c * r;
}

// The square of |Li e^(i phi) + Ls e^(-i phi)|, the factor by which the two
// sidebands' audio adds at a phase error phi of the reinserted carrier:
// Li² + Ls² + 2 Li Ls cos(2 phi).
inline double sidebandAudioSquare(double Li, double Ls, double phi) {
    return Li * Li + Ls * Ls + 2.0 * Li * Ls * cosine(2.0 * phi);
}

// Whether the two sidebands' audio comes out inverted, as the detected-audio
// spectrum draws it: both pass and the reinserted carrier is more than 90
// degrees off.
inline bool sidebandAudioInverted(double Li, double Ls, double phi) {
    return Li * Ls > 0.0 && cosine(phi) < 0.0;
}

// The detector's two first-order smoothers, fed one product per sample of the
// fine time base from rest; what leaves the second is the detected audio.
struct DetectorSmoothing {
    static constexpr double kKeep = 0.97;
    static constexpr double kTake = 0.03;

    double Filtro1 = 0.0;
    double Filtro2 = 0.0;

    double next(double product) {
        Filtro1 = kKeep * Filtro1 + kTake * product;
        Filtro2 = kKeep * Filtro2 + kTake * Filtro1;
        return Filtro2;
    }
};

// The envelope detector: a diode that conducts on the positive half-cycles
// charges a capacitor, which a resistor discharges between them; the
// product detector's two smoothers then take off the carrier's ripple.
// The time constant is 200 fine samples (40 px, two carrier periods): at 100 %
// AM that keeps the distortion near 3 % and the ripple near 2 px, where a
// longer one clips the falling envelope diagonally and a shorter one leaves
// more ripple.
struct EnvelopeDetector {
    static constexpr double kDischarge = 0.99501247919268232; // e^(-1/200), per sample

    double Condensador = 0.0;
    DetectorSmoothing Smoothing;

    double next(double received) {
        Condensador = std::max(received, Condensador * kDischarge);
        return Smoothing.next(Condensador);
    }
};

} // namespace amsim
