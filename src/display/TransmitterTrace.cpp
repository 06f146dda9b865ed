// What the transmitter sends: carrier and side frequencies summed, the sides
// in cosine phase, so that with both sidebands on the sum is the carrier
// times the generator output:
//   s = Li (m/2) cos(0.095 pi x) - Ls (m/2) cos(0.105 pi x) + V sin(0.1 pi x)
//     = (V + m sin(0.005 pi x)) sin(0.1 pi x)          when Li = Ls = 1
// The dotted envelope is the generator output and its mirror image.
#include "display/Redraw.h"
#include "signals/Signals.h"

#include <cmath>

namespace amsim {

void Redraw::TrazarSalida() {
    Eje = 415;
    drawAxis();
    const Sidebands sides{read(Parameter::BliSiNo), read(Parameter::BlsSiNo), tones_};
    const double V = read(Parameter::Vcc);
    sampleFine([&](double x) { return transmitterOutput(sides, V, Pi, x); });
    drawConnected(Escala);
}

// With the 1 and 0 that the toggles write, the envelope shows exactly when
// both sidebands pass. A typed lower factor counts when it rounds (halves to
// even) to a non-zero whole number; a typed upper factor only when it is 1.
bool Redraw::envelopeCondition() {
    const double lower = std::nearbyint(read(Parameter::BliSiNo));
    const double upper = read(Parameter::BlsSiNo);
    return lower != 0.0 && upper == 1.0;
}

void Redraw::TrazarEnvolventeSuperior() {
    Eje = 415;
    const double V = read(Parameter::Vcc);
    sample(kEnvelopeStep, [&](double x) { return generatorOutput(tones_, V, Pi, x); });
    drawPoints(Escala);
}

void Redraw::TrazarEnvolventeInferior() {
    Eje = 415;
    const double V = read(Parameter::Vcc);
    sample(kEnvelopeStep, [&](double x) { return -generatorOutput(tones_, V, Pi, x); });
    drawPoints(Escala);
}

} // namespace amsim
