#include "display/Graficar.h"

#include "core/Error.h"
#include "display/Redraw.h"
#include "display/VectorState.h"

namespace amsim {

void Graficar(Canvas& canvas, ParameterReader& parameters, const WindowValues& window,
              double instant) {
    clearWideVectorState();
    Redraw(canvas, parameters, window, instant).run();
}

// An overflow names the value that carried a result out of range: the
// largest of those read until then.
void Redraw::run() {
    try {
        drawEverything();
    } catch (const Error& error) {
        rethrowNamingTheLargest(error, readings_);
    }
}

// The order is fixed: where drawings overlap, the later one covers the
// earlier, and a failure leaves exactly what came before it.
void Redraw::drawEverything() {
    check(canvas_.clear());
    AmplitudBls = read(Parameter::Modulante) * 0.5;
    AmplitudBli = read(Parameter::Modulante) * 0.5;
    if (scalesOn()) {
        drawScales();
    }

    TrazarGenerador();
    TrazarPortadora();
    TrazarBandaSuperior();
    TrazarBandaInferior();
    TrazarDetector();
    TrazarSalida();
    if (envelopeDetectorOn()) {
        TrazarDetectorEnvolvente();
    }
    markSpectra();
    if (envelopeCondition()) {
        TrazarEnvolventeSuperior();
    }
    if (envelopeCondition()) {
        TrazarEnvolventeInferior();
    }
}

} // namespace amsim
