#pragma once

#include "signals/SpectrumAnalyser.h"

#include <string>

namespace amsim {

// The analyser's spectra as comma-separated text: a first comment line that
// states the resolution bandwidth and the averaging, a header row, then one
// row per bin from 0 Hz to 24 kHz: its frequency and each signal's power in
// the bin in dBV, the column "envolvente_dbv" while the envelope detector is
// on. Numbers have a decimal point whatever the locale.
std::string spectrumCsv(const AnalyserSpectra& spectra);

} // namespace amsim
