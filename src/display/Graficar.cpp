#include "display/Graficar.h"

#include "core/Error.h"
#include "display/Redraw.h"
#include "display/VectorState.h"

namespace amsim {

void Graficar(Canvas& canvas, ParameterReader& parameters, const WindowValues& window,
              double instant) {
    clearWideVectorState();
    Redraw(canvas, parameters, window, instant, false).run();
}

void GraficarFrame(Canvas& canvas, ParameterReader& parameters, const WindowValues& window,
                   double instant) {
    clearWideVectorState();
    Redraw(canvas, parameters, window, instant, true).run();
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
    if (!(reuseStill_ && restoreStill())) {
        drawStill();
        canvas_.keep(stillKey());
    }
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
    if (scalesOn()) {
        labelScales();
    }
}

// What time does not move, and is drawn beneath everything that it does.
void Redraw::drawStill() {
    check(canvas_.clear());
    readStill();
    if (scalesOn()) {
        drawScales();
    }

    TrazarGenerador();
    TrazarPortadora();
    TrazarBandaSuperior();
    TrazarBandaInferior();
    captionTones();
}

void Redraw::readStill() {
    tones_ =
        modulatingTones(read(Parameter::Modulante), read(Parameter::Tono), read(Parameter::Tono2));
    timeBase_ = TimeBase::ofMillisecondsPerDivision(read(Parameter::Base));
    samples_.reserve(static_cast<std::size_t>(timeBase_.lastTime() / kFineStep) + 2);
}

// Everything the still part is drawn from.
std::vector<double> Redraw::stillKey() {
    return {read(Parameter::Modulante),
            read(Parameter::Vcc),
            read(Parameter::BliSiNo),
            read(Parameter::BlsSiNo),
            scalesOn() ? 1.0 : 0.0,
            read(Parameter::Base),
            Pi,
            static_cast<double>(Escala),
            read(Parameter::Tono),
            read(Parameter::Tono2),
            analyserOn() ? 1.0 : 0.0};
}

bool Redraw::restoreStill() {
    if (!canvas_.restore(stillKey())) {
        return false;
    }
    readStill();
    return true;
}

} // namespace amsim
