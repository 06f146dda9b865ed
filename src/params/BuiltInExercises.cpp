#include "params/BuiltInExercises.h"

#include "core/Error.h"
#include "core/VisibleText.h"
#include "params/BoxReader.h"
#include "params/SeededRandom.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <utility>

namespace amsim {

namespace {

// An exercise being drawn: the start setting, changed box by box.
class Draft {
public:
    Draft(std::uint32_t seed, std::string_view question)
        : random_(seed) {
        for (const Parameter box : kAllParameters) {
            exercise_.texts.at(static_cast<std::size_t>(box)) = startText(box, pointFormat());
        }
        exercise_.question = questionNamed(question);
        exercise_.tolerance = questionRows()[*exercise_.question].tolerance;
    }

    Draft& set(Parameter box, double value) {
        exercise_.texts.at(static_cast<std::size_t>(box)) = numberToText(value, pointFormat());
        return *this;
    }
    // One of count values from first, step apart.
    double among(double first, double step, int count) {
        return first + step * random_.below(count);
    }
    // A sign, + or -, at random.
    double sign() { return random_.below(2) == 0 ? 1.0 : -1.0; }
    Draft& hide(Parameter box) {
        exercise_.hidden.set(static_cast<std::size_t>(box));
        return *this;
    }
    Draft& tolerance(double tolerance) {
        exercise_.tolerance = tolerance;
        return *this;
    }
    Exercise done() { return std::move(exercise_); }

private:
    SeededRandom random_;
    Exercise exercise_;
};

// The index from the envelope's peaks and troughs (or the side lines
// against the carrier's), V(cc) 1 and mdl from 0.2 to 0.95.
Exercise modulationIndex(std::uint32_t seed) {
    Draft draft(seed, "indice");
    const double mdl = draft.among(0.2, 0.05, 16);
    return draft.set(Parameter::Modulante, mdl).hide(Parameter::Modulante).done();
}

// V(cc) from the carrier's line with the scales on.
Exercise carrierLevel(std::uint32_t seed) {
    Draft draft(seed, "vcc");
    const double vcc = draft.among(0.5, 0.1, 16);
    return draft.set(Parameter::Vcc, vcc).set(Parameter::Escalas, 1).hide(Parameter::Vcc).done();
}

// Which sideband the transmitter suppresses, with or without the carrier.
Exercise missingSideband(std::uint32_t seed) {
    Draft draft(seed, "banda");
    const bool lower = draft.among(0, 1, 2) == 0.0;
    const double vcc = draft.among(0, 1, 2);
    return draft.set(lower ? Parameter::BliSiNo : Parameter::BlsSiNo, 0)
        .set(Parameter::Vcc, vcc)
        .hide(Parameter::BliSiNo)
        .hide(Parameter::BlsSiNo)
        .done();
}

// The phase error of DSB from how much the detected audio falls.
Exercise phaseError(std::uint32_t seed) {
    Draft draft(seed, "fase");
    const double fase = draft.among(15, 5, 13) * draft.sign();
    return draft.set(Parameter::Vcc, 0).set(Parameter::Fase, fase).hide(Parameter::Fase).done();
}

// The frequency error of DSB from how often its audio fades with time
// running: twice a period of the error.
Exercise fadingDrift(std::uint32_t seed) {
    Draft draft(seed, "deriva");
    const double df = draft.among(0.2, 0.1, 19) * draft.sign();
    return draft.set(Parameter::Vcc, 0)
        .set(Parameter::Df, df)
        .hide(Parameter::Df)
        .tolerance(0.1 * std::abs(df))
        .done();
}

// The frequency error of SSB from the pitch it shifts the tone to.
Exercise ssbPitch(std::uint32_t seed) {
    Draft draft(seed, "df");
    const double df = draft.among(10, 10, 20) * draft.sign();
    return draft.set(Parameter::Vcc, 0)
        .set(Parameter::BliSiNo, 0)
        .set(Parameter::Df, df)
        .hide(Parameter::Df)
        .done();
}

// The channel's noise from the input S/N and the received power.
Exercise noiseLevel(std::uint32_t seed) {
    Draft draft(seed, "ruido");
    const double ruido = draft.among(0.01, 0.005, 39);
    return draft.set(Parameter::Ruido, ruido).hide(Parameter::Ruido).tolerance(0.1 * ruido).done();
}

// The tone's frequency from its period on the scales.
Exercise toneFrequency(std::uint32_t seed) {
    Draft draft(seed, "tono");
    const double tono = draft.among(200, 50, 37);
    return draft.set(Parameter::Tono, tono)
        .set(Parameter::Escalas, 1)
        .hide(Parameter::Tono)
        .tolerance(0.03 * tono)
        .done();
}

// Over-modulated AM: the envelope detector's trace is clipped, yet the
// side lines still give the index.
Exercise overModulation(std::uint32_t seed) {
    Draft draft(seed, "indice");
    const double mdl = draft.among(1.1, 0.1, 10);
    return draft.set(Parameter::Modulante, mdl)
        .set(Parameter::Envelope, 1)
        .hide(Parameter::Modulante)
        .tolerance(5)
        .done();
}

// The second tone's frequency from the generator's spectrum.
Exercise secondTone(std::uint32_t seed) {
    Draft draft(seed, "tono2");
    double tono2 = draft.among(200, 100, 18);
    if (tono2 == 1000.0) {
        tono2 = 2000.0;
    }
    return draft.set(Parameter::Tono2, tono2)
        .set(Parameter::Analizador, 1)
        .hide(Parameter::Tono2)
        .tolerance(0.03 * tono2)
        .done();
}

constexpr BuiltInExercise kBuiltIn[] = {
    {"indice", "exercise.builtin.indice", modulationIndex},
    {"vcc", "exercise.builtin.vcc", carrierLevel},
    {"banda", "exercise.builtin.banda", missingSideband},
    {"fase", "exercise.builtin.fase", phaseError},
    {"deriva", "exercise.builtin.deriva", fadingDrift},
    {"tono-blu", "exercise.builtin.tonoBlu", ssbPitch},
    {"ruido", "exercise.builtin.ruido", noiseLevel},
    {"tono", "exercise.builtin.tono", toneFrequency},
    {"sobremodulacion", "exercise.builtin.sobremodulacion", overModulation},
    {"segundo-tono", "exercise.builtin.segundoTono", secondTone},
};

} // namespace

std::span<const BuiltInExercise> builtInExercises() {
    return kBuiltIn;
}

const BuiltInExercise* builtInNamed(std::string_view name) {
    const auto* const found =
        std::find_if(std::begin(kBuiltIn), std::end(kBuiltIn),
                     [name](const BuiltInExercise& e) { return e.name == name; });
    return found == std::end(kBuiltIn) ? nullptr : found;
}

std::uint32_t seedOf(std::string_view text) {
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw Error::badExercise(filled("exercise.badSeed", {{"seed", quotedText(text)}}));
    }
    return seed;
}

std::uint32_t freshSeed() {
    std::random_device device;
    return static_cast<std::uint32_t>(device());
}

} // namespace amsim
