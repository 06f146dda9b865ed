// What the transmitter sends: carrier and side frequencies summed, the sides
// in cosine phase, so that with both sidebands on the sum is the carrier
// times the generator output:
//   s = Li (m/2) cos(0.095 pi x) - Ls (m/2) cos(0.105 pi x) + V sin(0.1 pi x)
//     = (V + m sin(0.005 pi x)) sin(0.1 pi x)          when Li = Ls = 1
// The dotted envelope is the generator output and its mirror image.
#include "display/Redraw.h"

#include <cmath>

namespace amsim {

void Redraw::TrazarSalida() {
    Eje = 415;
    drawAxis();
    const double Li = read(Parameter::BliSiNo);
    const double Ls = read(Parameter::BlsSiNo);
    const double V = read(Parameter::Vcc);
    sample(kFineStep, [&](double x) {
        return Li * AmplitudBli * std::cos(x * Pi * 0.095) -
               Ls * AmplitudBls * std::cos(x * Pi * 0.105) + V * std::sin(x * Pi * 0.1);
    });
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
    const double m = read(Parameter::Modulante);
    const double V = read(Parameter::Vcc);
    sample(kEnvelopeStep, [&](double x) { return m * std::sin(x * Pi * 0.005) + V; });
    drawPoints(Escala);
}

void Redraw::TrazarEnvolventeInferior() {
    Eje = 415;
    const double m = read(Parameter::Modulante);
    const double V = read(Parameter::Vcc);
    sample(kEnvelopeStep, [&](double x) { return -V - m * std::sin(x * Pi * 0.005); });
    drawPoints(Escala);
}

} // namespace amsim
