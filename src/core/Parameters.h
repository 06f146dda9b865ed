#pragma once

#include <array>
#include <string>
#include <string_view>

namespace amsim {

// The user parameters, each held as the text of one box of the window.
enum class Parameter {
    Modulante, // amplitude of the modulating tone (box "mdl")
    Vcc,       // DC level on the tone, which sets the carrier
    BliSiNo,   // lower-sideband switch, a factor: 1 passes it and 0 suppresses it
    BlsSiNo,   // upper-sideband switch
    Fase,      // phase of the reinserted carrier, in degrees
    Envelope,  // the envelope detector's switch: 0 off, 1 on
    Ruido,     // the channel's noise: rms volts in 1 kHz of bandwidth, 0 or more
    Escalas,   // the scales' switch: the graticule and the spectra's scales, 0 off, 1 on
    Df,        // the reinserted carrier's frequency error in Hz: its frequency minus the carrier's
};

inline constexpr std::array<Parameter, 9> kAllParameters{
    Parameter::Modulante, Parameter::Vcc,   Parameter::BliSiNo, Parameter::BlsSiNo, Parameter::Fase,
    Parameter::Envelope,  Parameter::Ruido, Parameter::Escalas, Parameter::Df};

// The name the user knows the box by, as its label shows it (UTF-8).
std::string_view parameterLabel(Parameter parameter);
// The same, in the «» that messages put it in.
std::string quotedLabel(Parameter parameter);

// Where the display reads the parameters from. A reader converts the box's
// current text each time it is asked, and throws amsim::Error when the text is
// not a finite number.
class ParameterReader {
public:
    ParameterReader() = default;
    ParameterReader(const ParameterReader&) = delete;
    ParameterReader& operator=(const ParameterReader&) = delete;
    virtual ~ParameterReader() = default;

    virtual double read(Parameter parameter) = 0;
};

} // namespace amsim
