#pragma once

#include "core/Parameters.h"
#include "params/NumberText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// What one of the six step buttons does to its box.
struct StepRule {
    Parameter box;
    double step;
    bool floorAtZero; // the down step of the modulating amplitude stops at 0
};

inline constexpr StepRule kModulanteSubir{Parameter::Modulante, +0.2, false};
inline constexpr StepRule kModulanteBajar{Parameter::Modulante, -0.2, true};
inline constexpr StepRule kVccSubir{Parameter::Vcc, +0.2, false};
inline constexpr StepRule kVccBajar{Parameter::Vcc, -0.2, false};
inline constexpr StepRule kFaseSubir{Parameter::Fase, +30.0, false};
inline constexpr StepRule kFaseBajar{Parameter::Fase, -30.0, false};

// Each pair of buttons steps its box up and down by the same amount.
constexpr bool stepsUpAndDown(const StepRule& up, const StepRule& down) {
    return up.box == down.box && up.step > 0.0 && down.step == -up.step && !up.floorAtZero;
}
static_assert(stepsUpAndDown(kModulanteSubir, kModulanteBajar));
static_assert(stepsUpAndDown(kVccSubir, kVccBajar));
static_assert(stepsUpAndDown(kFaseSubir, kFaseBajar));
// The noise steps through a sequence that spans clean to buried.
inline constexpr std::array<double, 8> kRuidoSteps{0, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1};

// The frequency error steps through a sequence symmetric about 0, in Hz.
inline constexpr std::array<double, 21> kDfSteps{
    -500, -200, -100, -50, -20, -10, -5, -2, -1, -0.5, 0, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500};

// The next text of the noise's box or the frequency error's, stepped through
// its sequence: the next value of the sequence above the box's (up) or
// below it (down). Above the last value up leaves the value as it is; at or
// below the first, down gives the first. Throws amsim::Error, before
// anything could be written, when the text is not a number.
std::string ruidoSteppedText(std::string_view text, bool up, const NumberFormat& format);
std::string dfSteppedText(std::string_view text, bool up, const NumberFormat& format);

// The box's next text after one step. Stepping always starts from the text
// (what the user typed is the base) and writes at most 15 digits, so 0.2
// steps never show drift digits. Throws amsim::Error, before anything could
// be written, when the text is not a number or the result would not read back.
std::string steppedText(const StepRule& rule, std::string_view text, const NumberFormat& format);

// The tooltip of the step button with this name, its step written in the
// locale's notation ("Subir V(cc) 0,2"); nothing for any other name.
std::optional<std::string> stepToolTip(std::string_view button, const NumberFormat& format);

// A switch's next text: 1 switches it off ("0"), 0 on ("1"). Throws
// amsim::Error when the text is not 0 or 1.
std::string toggledText(Parameter box, std::string_view text, const NumberFormat& format);

} // namespace amsim
