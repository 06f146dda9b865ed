#pragma once

#include "signals/ScreenStart.h"

#include <QString>
#include <optional>

namespace amsim {

// The numbers a factor option takes, both ends included.
struct FactorRange {
    double least;
    double most;
};

// --zoom: how much larger or smaller the window opens.
inline constexpr FactorRange kZoomRange{0.5, 3.0};
// --scale: the screen scale an exported picture is drawn at.
inline constexpr FactorRange kScaleRange{1.0, 4.0};
// --segundos: how long an exported sound lasts.
inline constexpr FactorRange kSecondsRange{0.1, 60.0};
// --tiempo: the bench's instant, in seconds from its start.
inline constexpr FactorRange kInstantRange{0.0, kLatestInstant};

// The factor an option gives: a number from least to most, fractions
// allowed, in the locale's notation; 1 without the option. Throws
// amsim::Error, naming the option, for any other text.
double factorOption(const std::optional<QString>& text, const char* option, FactorRange range);

// The instant --tiempo gives, as the screen shows it (the whole millisecond
// its traces start at: screenInstant); 0, the bench's start, without it.
double instantOption(const std::optional<QString>& text);

} // namespace amsim
