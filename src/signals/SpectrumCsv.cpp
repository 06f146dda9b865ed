#include "signals/SpectrumCsv.h"

#include "texts/Catalogue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace amsim {

namespace {

// A number to a fixed count of decimals, one or more, with a point:
// "-9.03", "6.667".
std::string fixedText(double value, int decimals) {
    long long scale = 1;
    for (int d = 0; d < decimals; ++d) {
        scale *= 10;
    }
    const long long scaled = std::llabs(std::llround(value * static_cast<double>(scale)));
    std::string fraction = std::to_string(scale + scaled % scale).substr(1);
    return (value * static_cast<double>(scale) <= -0.5 ? "-" : "") +
           std::to_string(scaled / scale) + "." + fraction;
}

} // namespace

std::string spectrumCsv(const AnalyserSpectra& spectra) {
    std::string text =
        filled("spectrum.csvComment",
               {{"rbw", fixedText(spectra.resolutionHertz, 1)},
                {"records", std::to_string(spectra.records)},
                {"milliseconds", std::to_string(std::lround(spectra.recordSeconds * 1000.0))}});
    text += "\nf_hz,generador_dbv,recibida_dbv,audio_dbv";
    text += spectra.envelope ? ",envolvente_dbv\n" : "\n";
    for (std::size_t k = 0; k < spectra.generator.size(); ++k) {
        text += fixedText(static_cast<double>(k) * spectra.binHertz, 3);
        for (const std::vector<double>* power :
             {&spectra.generator, &spectra.received, &spectra.audio}) {
            text += "," + fixedText(powerDbv((*power)[k]), 2);
        }
        if (spectra.envelope) {
            text += "," + fixedText(powerDbv((*spectra.envelope)[k]), 2);
        }
        text += "\n";
    }
    return text;
}

} // namespace amsim
