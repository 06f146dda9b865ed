#pragma once

#include "params/NumberText.h"
#include "params/ParameterSummary.h"

#include <optional>
#include <string>
#include <vector>

namespace amsim {

// What the bench measures at the parameters, for a 1 ohm load with the
// signal units as volts, the tone being m sin, the carrier V sin and each
// side frequency of amplitude factor·m/2:
//   carrier power      V² / 2
//   side powers        (Ls m / 2)² / 2 and (Li m / 2)² / 2
//   efficiency         side powers / total
//   PEP                (|V| + |m| (|Li| + |Ls|) / 2)² / 2, the envelope's peak
//   bandwidth          1 kHz for each side frequency that passes
//   detected audio     the 1 kHz amplitude of the product detector's audio in
//                      steady state: (|m| / 4) |Li e^(i phi) + Ls e^(-i phi)|
//                      through the two smoothers, |0.03 / (1 - 0.97 e^(-i w))|²
//                      at the tone's w = 0.001 pi per fine sample
//   its loss           20 log10 of the audio over the audio at phase 0
//   envelope THD       sqrt(A2² + … + A10²) / A1 of the envelope detector's
//                      output over one tone period, when it is on
struct Measurements {
    std::string mode;
    std::optional<double> modulationIndex; // |mdl| / |V(cc)|; none when V(cc) is 0
    double carrierPower = 0.0;
    double upperPower = 0.0;
    double lowerPower = 0.0;
    double peakEnvelopePower = 0.0;
    int bandwidthKilohertz = 0;
    double detectedAudio = 0.0;
    std::optional<double> audioLossDecibels;  // none when the audio at phase 0 is none
    std::optional<double> envelopeDistortion; // when the envelope detector is on

    double totalPower() const { return carrierPower + upperPower + lowerPower; }
};

Measurements measure(const ParameterValues& values);

// The readout's lines, each beginning with its label ("Modo:", "Potencia
// total:", …), with the locale's decimal separator; "—" where a value has no
// meaning (a share of nothing, an index without carrier).
std::vector<std::string> measurementLines(const Measurements& measured, const NumberFormat& format);

} // namespace amsim
