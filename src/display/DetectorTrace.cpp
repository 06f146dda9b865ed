// The receiver's product detector. The received signal (side frequencies in
// sine phase) is multiplied by a carrier reinserted F degrees late:
//   c = -cos(0.1 pi (x + F/18))
//   r = Li (m/2) sin(0.095 pi x) - Ls (m/2) sin(0.105 pi x) + V sin(0.1 pi x)
//   s = c r
// Two first-order smoothers (weight 0.03 per sample) leave the audio,
// (m/2) cos(phi) sin(0.005 pi x) with both sidebands, m/4 with one, plus the
// steady level (V/2) sin(phi); it is drawn in green at twice the scale.
#include "display/Redraw.h"
#include "display/Signals.h"

namespace amsim {

// Every parameter is read before the first sample, so a bad phase stops the
// redraw right after the detector's axis.
void Redraw::TrazarDetector() {
    Eje = 600;
    const double scale = Escala * 2;
    drawAxis();
    const double F = read(Parameter::Fase);
    const Sidebands sides{read(Parameter::BliSiNo), AmplitudBli, read(Parameter::BlsSiNo),
                          AmplitudBls};
    const double V = read(Parameter::Vcc);
    sample(kFineStep, [&](double x) { return detectorProduct(sides, V, F, Pi, x); });
    drawConnected(scale);

    Smoothing = DetectorSmoothing{};
    sample(kFineStep,
           [&](double x) { return Smoothing.next(detectorProduct(sides, V, F, Pi, x)); });
    drawPoints(scale, PaletteColour::Green);
}

} // namespace amsim
