#include "signals/SignalCsv.h"

#include "core/ClassicNumbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace amsim {

namespace {

constexpr const char* kHeader = "x,t_ms,generador,portadora,banda_superior,banda_inferior,"
                                "salida,detector,audio_detectado";
constexpr const char* kEnvelopeColumn = ",envolvente";
constexpr const char* kNoiseColumn = ",ruido";

// The fewest significant digits that read back to the value, as
// "d.ddd" digits without the point and the decimal exponent of the first.
struct Digits {
    std::string digits;
    int exponent;
};

Digits shortestDigits(double value) {
    std::array<char, 40> text{};
    const ClassicNumbers classic;
    for (int precision = 0;; ++precision) {
        std::snprintf(text.data(), text.size(), "%.*e", precision, value);
        if (precision == std::numeric_limits<double>::max_digits10 - 1 ||
            std::strtod(text.data(), nullptr) == value) {
            break;
        }
    }
    const std::string_view written(text.data());
    const std::size_t e = written.find('e');
    std::string digits(written.substr(0, e));
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    return {digits, std::atoi(written.substr(e + 1).data())};
}

std::string scientific(const Digits& number) {
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1) {
        text += "." + number.digits.substr(1);
    }
    const int magnitude = std::abs(number.exponent);
    return text + (number.exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") +
           std::to_string(magnitude);
}

// The plain form: an integer beyond its shortest digits is written with all
// its own digits, the form nearest the value among those as short.
std::string fixed(const Digits& number, double magnitude) {
    const auto digitCount = static_cast<int>(number.digits.size());
    if (number.exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-number.exponent - 1), '0') +
               number.digits;
    }
    if (number.exponent + 1 >= digitCount) {
        std::array<char, 320> text{};
        std::snprintf(text.data(), text.size(), "%.0f", magnitude);
        return text.data();
    }
    const int point = number.exponent + 1;
    const auto split = static_cast<std::size_t>(point);
    return number.digits.substr(0, split) + "." + number.digits.substr(split);
}

void append(std::string& text, double value) {
    text += shortestText(value);
}

} // namespace

std::string shortestText(double value) {
    if (value == 0.0) {
        return "0";
    }
    const Digits number = shortestDigits(std::fabs(value));
    std::string plain = fixed(number, std::fabs(value));
    std::string exponential = scientific(number);
    const std::string sign = value < 0.0 ? "-" : "";
    return sign + (exponential.size() < plain.size() ? exponential : plain);
}

std::string signalCsv(const std::vector<SignalSample>& table) {
    const bool envelope = !table.empty() && table.front().envelope.has_value();
    const bool noise = !table.empty() && table.front().noise.has_value();
    std::string text = kHeader;
    text += envelope ? kEnvelopeColumn : "";
    text += noise ? kNoiseColumn : "";
    text += '\n';
    for (const SignalSample& row : table) {
        const std::array values{row.x,           row.milliseconds, row.generator,
                                row.carrier,     row.upperSide,    row.lowerSide,
                                row.transmitter, row.detector,     row.detectedAudio};
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
