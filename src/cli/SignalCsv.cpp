#include "cli/SignalCsv.h"

#include "signals/Sweep.h"

#include <array>
#include <charconv>

namespace amsim {

namespace {

constexpr const char* kHeader = "x,t_ms,generador,portadora,banda_superior,banda_inferior,"
                                "salida,detector,audio_detectado";
constexpr const char* kEnvelopeColumn = ",envolvente";
constexpr const char* kNoiseColumn = ",ruido";

void append(std::string& text, double value) {
    std::array<char, 32> digits{};
    // 32 characters hold the longest shortest form of a double (24). A
    // negative zero (the detector's first product) is written as plain 0.
    const std::to_chars_result written =
        std::to_chars(digits.data(), digits.data() + digits.size(), value == 0.0 ? 0.0 : value);
    text.append(digits.data(), written.ptr);
}

} // namespace

std::string signalCsv(const std::vector<SignalSample>& table) {
    const bool envelope = !table.empty() && table.front().envelope.has_value();
    const bool noise = !table.empty() && table.front().noise.has_value();
    std::string text = kHeader;
    text += envelope ? kEnvelopeColumn : "";
    text += noise ? kNoiseColumn : "";
    text += '\n';
    for (const SignalSample& row : table) {
        const std::array values{row.x,
                                row.x / kColumnsPerMillisecond,
                                row.generator,
                                row.carrier,
                                row.upperSide,
                                row.lowerSide,
                                row.transmitter,
                                row.detector,
                                row.detectedAudio};
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            append(text, values[i]);
        }
        if (envelope) {
            text += ',';
            append(text, row.envelope.value_or(0.0));
        }
        if (noise) {
            text += ',';
            append(text, row.noise.value_or(0.0));
        }
        text += '\n';
    }
    return text;
}

} // namespace amsim
