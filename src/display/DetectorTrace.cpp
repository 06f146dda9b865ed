// The receiver's product detector. The received signal (side frequencies in
// sine phase) is multiplied by a carrier reinserted F degrees late:
//   c = -cos(0.1 pi (x + F/18))
//   r = Li (m/2) sin(0.095 pi x) - Ls (m/2) sin(0.105 pi x) + V sin(0.1 pi x)
//   s = c r
// Two first-order smoothers (weight 0.03 per sample) leave the audio,
// (m/2) cos(phi) sin(0.005 pi x) with both sidebands, m/4 with one, plus the
// steady level (V/2) sin(phi); it is drawn in green at twice the scale.
#include "display/Redraw.h"

#include <cmath>

namespace amsim {

double Redraw::detectorProduct(double x) {
    const double xr = x + read(Parameter::Fase) / 18.0;
    const double c = -std::cos(xr * Pi * 0.1);
    const double r = read(Parameter::BliSiNo) * AmplitudBli * std::sin(x * Pi * 0.095) -
                     read(Parameter::BlsSiNo) * AmplitudBls * std::sin(x * Pi * 0.105) +
                     read(Parameter::Vcc) * std::sin(x * Pi * 0.1);
    return c * r;
}

void Redraw::TrazarDetector() {
    Eje = 600;
    const double scale = Escala * 2;
    drawAxis();
    sample(kFineStep, [&](double x) { return detectorProduct(x); });
    drawConnected(scale);

    Filtro1 = 0.0;
    Filtro2 = 0.0;
    sample(kFineStep, [&](double x) {
        Filtro1 = 0.97 * Filtro1 + 0.03 * detectorProduct(x);
        Filtro2 = 0.97 * Filtro2 + 0.03 * Filtro1;
        return Filtro2;
    });
    drawPoints(scale, PaletteColour::Green);
}

} // namespace amsim
