#pragma once

#include "core/ParameterValues.h"
#include "texts/Catalogue.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace amsim {

// The user parameters, each held as the text of one box of the window. Their
// rows below say everything else about them.
enum class Parameter {
    Modulante,  // amplitude of the modulating tone (box "mdl")
    Vcc,        // DC level on the tone, which sets the carrier
    BliSiNo,    // lower-sideband switch, a factor: 1 passes it and 0 suppresses it
    BlsSiNo,    // upper-sideband switch
    Fase,       // phase of the reinserted carrier, in degrees
    Envelope,   // the envelope detector's switch: 0 off, 1 on
    Ruido,      // the channel's noise: rms volts in 1 kHz of bandwidth, 0 or more
    Escalas,    // the scales' switch: the graticule and the spectra's scales, 0 off, 1 on
    Df,         // the reinserted carrier's frequency error in Hz: its frequency minus the carrier's
    Tono,       // the generator's tone, in Hz
    Tono2,      // the generator's second tone, in Hz: 0 is none
    Base,       // the oscilloscope's time base, in ms per division
    Analizador, // the spectra's switch: 1 the analyser's measured spectra, 0 the line spectra
};

// What a box takes: any number; 0 or 1 (a switch); 0 or more; a number from
// low to high; or 0 (off) or a number from low to high.
enum class Limits { Any, Switch, NonNegative, WithinRange, OffOrWithinRange };

// What the box's buttons do: add ±step (its up and down buttons), move
// through a sequence of values (up and down), or switch between 0 and 1
// (one button).
enum class Stepping { Add, Sequence, Toggle };

struct ParameterRow {
    Parameter parameter{};
    std::string_view box{};          // the name of its box in the window and on the page
    std::string_view option{};       // its command-line option (--mdl) and address key (?mdl=)
    TextKey label = TextKey::none(); // as its label shows it, and messages quote it
    std::string_view start{};        // the box's text at start

    Stepping stepping{};
    std::string_view upButton{};        // the toggle's button for a switch
    std::string_view downButton{};      // none for a switch
    double step = 0.0;                  // Add: the up button's step, the down button's its negative
    bool floorAtZero = false;           // Add: the down step stops at 0
    std::span<const double> sequence{}; // Sequence: rising, the down step stops at its first
    TextKey stepNoun = TextKey::none(); // what a step button's tooltip steps: "la fase"
    TextKey unit = TextKey::none();     // the step's or the sequence's unit, if any

    Limits limits = Limits::Any;
    double low = 0.0;  // WithinRange, OffOrWithinRange: the least value it takes but 0
    double high = 0.0; // and the largest

    // The help's description, its lines as the help breaks them: "{start}"
    // stands for the start value, "{low}" and "{high}" for the range's ends.
    TextKey help = TextKey::none();
    int helpPosition = 0; // where the help and the manual list it

    // The printed values line's name for it ("BLI"); none where it is no value
    // of the physics.
    TextKey valuesName = TextKey::none();
    bool valuesWithUnit = false;
    // Whether links, commands and the values line name it at its start value:
    // those that came later are named only when set otherwise, so that links
    // and commands written before them keep their meaning.
    bool namedAtStart = true;

    // The page's stage that groups its box and buttons.
    TextKey stage = TextKey::none();

    // Where the physics reads it; none for what only the drawing reads.
    double ParameterValues::*value = nullptr;
};

// The noise steps through a sequence that spans clean to buried.
inline constexpr std::array<double, 8> kRuidoSteps{0, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1};

// The frequency error steps through a sequence symmetric about 0, in Hz.
inline constexpr std::array<double, 21> kDfSteps{
    -500, -200, -100, -50, -20, -10, -5, -2, -1, -0.5, 0, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500};

// The tones step through the audio band's usual test tones, in Hz.
inline constexpr std::array<double, 8> kTonoSteps{100, 200, 300, 500, 700, 1000, 1500, 2000};
// The second tone steps through the same, from none.
inline constexpr std::array<double, 9> kTono2Steps{0, 100, 200, 300, 500, 700, 1000, 1500, 2000};
// The time base steps through the oscilloscope's 1-2-5 sequence, in ms per
// division.
inline constexpr std::array<double, 5> kBaseSteps{0.1, 0.2, 0.5, 1, 2};

// One row per parameter, in the order of Parameter: the boxes' order.
inline constexpr ParameterRow kParameterRows[] = {
    {.parameter = Parameter::Modulante,
     .box = "mdl",
     .option = "mdl",
     .label = "parameter.mdl.label",
     .start = "1",
     .stepping = Stepping::Add,
     .upButton = "ModulanteSubir",
     .downButton = "ModulanteBajar",
     .step = 0.2,
     .floorAtZero = true,
     .stepNoun = "parameter.mdl.stepNoun",
     .help = "parameter.mdl.help",
     .helpPosition = 0,
     .valuesName = "parameter.mdl.label",
     .stage = "stage.generator",
     .value = &ParameterValues::mdl},
    {.parameter = Parameter::Vcc,
     .box = "Vcc",
     .option = "vcc",
     .label = "parameter.vcc.label",
     .start = "1",
     .stepping = Stepping::Add,
     .upButton = "VccSubir",
     .downButton = "VccBajar",
     .step = 0.2,
     .stepNoun = "parameter.vcc.stepNoun",
     .help = "parameter.vcc.help",
     .helpPosition = 1,
     .valuesName = "parameter.vcc.label",
     .stage = "stage.generator",
     .value = &ParameterValues::Vcc},
    {.parameter = Parameter::BliSiNo,
     .box = "BliSiNo",
     .option = "bli",
     .label = "parameter.bli.label",
     .start = "1",
     .stepping = Stepping::Toggle,
     .upButton = "BliSi",
     .help = "parameter.bli.help",
     .helpPosition = 5,
     .valuesName = "parameter.bli.values",
     .stage = "stage.transmitter",
     .value = &ParameterValues::BliSiNo},
    {.parameter = Parameter::BlsSiNo,
     .box = "BlsSiNo",
     .option = "bls",
     .label = "parameter.bls.label",
     .start = "1",
     .stepping = Stepping::Toggle,
     .upButton = "BlsSi",
     .help = "parameter.bls.help",
     .helpPosition = 4,
     .valuesName = "parameter.bls.values",
     .stage = "stage.transmitter",
     .value = &ParameterValues::BlsSiNo},
    {.parameter = Parameter::Fase,
     .box = "fase",
     .option = "fase",
     .label = "parameter.fase.label",
     .start = "0",
     .stepping = Stepping::Add,
     .upButton = "FaseSubir",
     .downButton = "FaseBajar",
     .step = 30.0,
     .stepNoun = "parameter.fase.stepNoun",
     .unit = "unit.degrees",
     .help = "parameter.fase.help",
     .helpPosition = 6,
     .valuesName = "parameter.fase.values",
     .stage = "stage.receiver",
     .value = &ParameterValues::fase},
    {.parameter = Parameter::Envelope,
     .box = "EnvelopeOnOff",
     .option = "env",
     .label = "parameter.env.label",
     .start = "0",
     .stepping = Stepping::Toggle,
     .upButton = "EnvelopeToggle",
     .limits = Limits::Switch,
     .help = "parameter.env.help",
     .helpPosition = 7,
     .valuesName = "parameter.env.label",
     .stage = "stage.receiver",
     .value = &ParameterValues::envelope},
    {.parameter = Parameter::Ruido,
     .box = "Ruido",
     .option = "ruido",
     .label = "parameter.ruido.label",
     .start = "0",
     .stepping = Stepping::Sequence,
     .upButton = "RuidoSubir",
     .downButton = "RuidoBajar",
     .sequence = kRuidoSteps,
     .stepNoun = "parameter.ruido.stepNoun",
     .limits = Limits::NonNegative,
     .help = "parameter.ruido.help",
     .helpPosition = 8,
     .valuesName = "parameter.ruido.label",
     .namedAtStart = false,
     .stage = "stage.receiver",
     .value = &ParameterValues::ruido},
    {.parameter = Parameter::Escalas,
     .box = "EscalasSiNo",
     .option = "escalas",
     .label = "parameter.escalas.label",
     .start = "0",
     .stepping = Stepping::Toggle,
     .upButton = "EscalasSi",
     .limits = Limits::Switch,
     .help = "parameter.escalas.help",
     .helpPosition = 10,
     .namedAtStart = false,
     .stage = "stage.screen"},
    {.parameter = Parameter::Df,
     .box = "Df",
     .option = "df",
     .label = "parameter.df.label",
     .start = "0",
     .stepping = Stepping::Sequence,
     .upButton = "DfSubir",
     .downButton = "DfBajar",
     .sequence = kDfSteps,
     .stepNoun = "parameter.df.stepNoun",
     .unit = "unit.hertz",
     // Beyond it the detector's audio would leave the band the bench shows.
     .limits = Limits::WithinRange,
     .low = -5000.0,
     .high = 5000.0,
     .help = "parameter.df.help",
     .helpPosition = 9,
     .valuesName = "parameter.df.label",
     .valuesWithUnit = true,
     .namedAtStart = false,
     .stage = "stage.receiver",
     .value = &ParameterValues::df},
    {.parameter = Parameter::Tono,
     .box = "Tono",
     .option = "tono",
     .label = "parameter.tono.label",
     .start = "1000",
     .stepping = Stepping::Sequence,
     .upButton = "TonoSubir",
     .downButton = "TonoBajar",
     .sequence = kTonoSteps,
     .stepNoun = "parameter.tono.stepNoun",
     .unit = "unit.hertz",
     // Above it the upper side frequency would leave the spectra's axis.
     .limits = Limits::WithinRange,
     .low = 100.0,
     .high = 2000.0,
     .help = "parameter.tono.help",
     .helpPosition = 2,
     .valuesName = "parameter.tono.label",
     .valuesWithUnit = true,
     .namedAtStart = false,
     .stage = "stage.generator",
     .value = &ParameterValues::tono},
    {.parameter = Parameter::Tono2,
     .box = "Tono2",
     .option = "tono2",
     .label = "parameter.tono2.label",
     .start = "0",
     .stepping = Stepping::Sequence,
     .upButton = "Tono2Subir",
     .downButton = "Tono2Bajar",
     .sequence = kTono2Steps,
     .stepNoun = "parameter.tono2.stepNoun",
     .unit = "unit.hertz",
     .limits = Limits::OffOrWithinRange,
     .low = 100.0,
     .high = 2000.0,
     .help = "parameter.tono2.help",
     .helpPosition = 3,
     .valuesName = "parameter.tono2.label",
     .valuesWithUnit = true,
     .namedAtStart = false,
     .stage = "stage.generator",
     .value = &ParameterValues::tono2},
    {.parameter = Parameter::Base,
     .box = "Base",
     .option = "base",
     .label = "parameter.base.label",
     .start = "0.2",
     .stepping = Stepping::Sequence,
     .upButton = "BaseSubir",
     .downButton = "BaseBajar",
     .sequence = kBaseSteps,
     .stepNoun = "parameter.base.stepNoun",
     .unit = "unit.msPerDivision",
     // From 0.1, where a column still holds two and a half fine samples, to
     // 2, where it holds half a carrier period and the screen 16 ms.
     .limits = Limits::WithinRange,
     .low = 0.1,
     .high = 2.0,
     .help = "parameter.base.help",
     .helpPosition = 11,
     .namedAtStart = false,
     .stage = "stage.screen"},
    {.parameter = Parameter::Analizador,
     .box = "Analizador",
     .option = "analizador",
     .label = "parameter.analizador.label",
     .start = "0",
     .stepping = Stepping::Toggle,
     .upButton = "AnalizadorSi",
     .limits = Limits::Switch,
     .help = "parameter.analizador.help",
     .helpPosition = 12,
     .namedAtStart = false,
     .stage = "stage.screen"},
};

inline constexpr std::size_t kParameterCount = std::size(kParameterRows);

inline constexpr std::array<Parameter, kParameterCount> kAllParameters = [] {
    std::array<Parameter, kParameterCount> all{};
    for (std::size_t i = 0; i < kParameterCount; ++i) {
        all.at(i) = kParameterRows[i].parameter;
    }
    return all;
}();

constexpr const ParameterRow& rowOf(Parameter parameter) {
    return kParameterRows[static_cast<std::size_t>(parameter)];
}

// The rows are in the order of Parameter, so a parameter finds its own.
constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < kParameterCount; ++i) {
        if (static_cast<std::size_t>(kParameterRows[i].parameter) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "one row per parameter, in the order of Parameter");

} // namespace amsim
