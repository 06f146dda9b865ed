// The audio generator's output and the three components that the balanced
// modulator makes of it, each on its own axis:
//   generator      v = m sin(0.005 pi x) + V      (tone on the DC level)
//   carrier        v = V sin(0.1 pi x)            (the DC level sets it)
//   upper side     v = Ls (m/2) sin(0.105 pi x)
//   lower side     v = Li (m/2) sin(0.095 pi x)
#include "display/Redraw.h"

#include <cmath>

namespace amsim {

void Redraw::TrazarGenerador() {
    Eje = 80;
    drawAxis();
    check(canvas_.print("modulante + Vcc"));
    const double m = read(Parameter::Modulante);
    const double V = read(Parameter::Vcc);
    sample(kColumnStep, [&](double x) { return m * std::sin(x * Pi * 0.005) + V; });
    drawPoints(Escala);
}

void Redraw::traceComponent(int axis, Parameter factor, double amplitude, double frequency) {
    Eje = axis;
    drawAxis();
    const double a = read(factor) * amplitude;
    sample(kFineStep, [&](double x) { return a * std::sin(x * Pi * frequency); });
    drawConnected(Escala);
}

void Redraw::TrazarPortadora() {
    traceComponent(145, Parameter::Vcc, 1.0, 0.1);
}

void Redraw::TrazarBandaSuperior() {
    traceComponent(230, Parameter::BlsSiNo, AmplitudBls, 0.105);
}

void Redraw::TrazarBandaInferior() {
    traceComponent(305, Parameter::BliSiNo, AmplitudBli, 0.095);
}

} // namespace amsim
