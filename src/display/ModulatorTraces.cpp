// The audio generator's output and the three components that the balanced
// modulator makes of it, each on its own axis:
//   generator      v = m sin(fm pi x) + V         (tone on the DC level)
//   carrier        v = V sin(0.1 pi x)            (the DC level sets it)
//   upper side     v = -Ls (m/2) cos((0.1 + fm) pi x)
//   lower side     v = Li (m/2) cos((0.1 - fm) pi x)
// each summed over the generator's tones (fm 0.005 at 1 kHz), the side
// frequencies in the phase in which the transmitter sums them.
#include "display/Redraw.h"
#include "signals/Signals.h"
#include "texts/Catalogue.h"

namespace amsim {

void Redraw::TrazarGenerador() {
    Eje = 80;
    drawAxis();
    check(canvas_.print(catalogueText("drawing.generatorLabel")));
    const double V = read(Parameter::Vcc);
    sample(kColumnStep, [&](double x) { return generatorOutput(tones_, V, Pi, x); });
    drawPoints(Escala);
}

void Redraw::TrazarPortadora() {
    Eje = 145;
    drawAxis();
    const double V = read(Parameter::Vcc);
    sampleFine([&](double x) { return carrier(V, Pi, x); });
    drawConnected(Escala);
}

void Redraw::TrazarBandaSuperior() {
    Eje = 230;
    drawAxis();
    const double Ls = read(Parameter::BlsSiNo);
    sampleFine([&](double x) { return upperSideFrequency(Ls, tones_, Pi, x); });
    drawConnected(Escala);
}

void Redraw::TrazarBandaInferior() {
    Eje = 305;
    drawAxis();
    const double Li = read(Parameter::BliSiNo);
    sampleFine([&](double x) { return lowerSideFrequency(Li, tones_, Pi, x); });
    drawConnected(Escala);
}

} // namespace amsim
