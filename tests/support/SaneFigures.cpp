#include "support/SaneFigures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace amsim::test {

namespace {

constexpr std::size_t kWrittenDigits = 15;
constexpr double kDecibelBound = 999.9;
constexpr double kPercentBound = 99999.9;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A number as written: its value in C notation and how many significant
// digits its mantissa has.
struct Figure {
    std::string plain;
    std::size_t significant = 0;
};

class FigureScanner {
public:
    FigureScanner(std::string_view line, std::string_view separator, std::string_view exponent)
        : line_(line)
        , separator_(separator)
        , exponent_(exponent) {}

    std::optional<std::string> firstAbsurd() {
        for (std::size_t at = 0; at < line_.size();) {
            if (!isDigit(line_[at])) {
                ++at;
                continue;
            }
            const bool negative = at > 0 && line_[at - 1] == '-';
            const Figure figure = scan(at);
            if (figure.significant > kWrittenDigits) {
                return "more digits than the program writes";
            }
            double value = 0.0;
            std::from_chars(figure.plain.data(), figure.plain.data() + figure.plain.size(), value);
            value = negative ? -value : value;
            const std::string_view after = line_.substr(at);
            if ((after.starts_with(" dB") && std::abs(value) > kDecibelBound) ||
                (after.starts_with(" %") && std::abs(value) > kPercentBound)) {
                return "a figure beyond the readout's bounds";
            }
        }
        for (const std::string_view word : {"inf", "nan"}) {
            for (std::size_t found = line_.find(word); found != std::string_view::npos;
                 found = line_.find(word, found + 1)) {
                const bool starts = found == 0 || !isLetter(line_[found - 1]);
                const std::size_t end = found + word.size();
                if (starts && (end == line_.size() || !isLetter(line_[end]))) {
                    return "a figure that is no number";
                }
            }
        }
        return std::nullopt;
    }

private:
    // The number that starts at `at`, which it moves past.
    Figure scan(std::size_t& at) const {
        Figure figure;
        bool leading = true;
        const auto digits = [&](bool counted) {
            while (at < line_.size() && isDigit(line_[at])) {
                leading = leading && line_[at] == '0';
                figure.significant += counted && !leading ? 1 : 0;
                figure.plain += line_[at++];
            }
        };
        digits(true);
        if (line_.substr(at).starts_with(separator_) && at + separator_.size() < line_.size() &&
            isDigit(line_[at + separator_.size()])) {
            figure.plain += '.';
            at += separator_.size();
            digits(true);
        }
        if (!exponent_.empty() && line_.substr(at).starts_with(exponent_)) {
            std::size_t power = at + exponent_.size();
            std::string sign;
            if (power < line_.size() && (line_[power] == '+' || line_[power] == '-')) {
                sign = line_[power++];
            }
            if (power < line_.size() && isDigit(line_[power])) {
                figure.plain += "e" + sign;
                at = power;
                digits(false);
            }
        }
        return figure;
    }

    std::string_view line_;
    std::string_view separator_;
    std::string_view exponent_;
};

} // namespace

std::optional<std::string> absurdFigure(const std::vector<std::string>& lines,
                                        std::string_view decimalSeparator,
                                        std::string_view exponent) {
    std::optional<std::string> absurd;
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        absurd = FigureScanner(line, decimalSeparator, exponent).firstAbsurd();
        return absurd.has_value();
    });
    return found == lines.end() ? std::nullopt : std::optional(*absurd + ": «" + *found + "»");
}

} // namespace amsim::test
