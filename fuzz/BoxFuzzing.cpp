#include "BoxFuzzing.h"

#include "params/BoxReader.h"
#include "params/Handlers.h"
#include "support/SaneFigures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace amsim::fuzz {

namespace {

NumberFormat formatOf(std::uint8_t selector) {
    return (selector & 0x02U) != 0 ? NumberFormat{".", "e"} : NumberFormat{",", "E"};
}

std::string_view buttonOf(std::uint8_t byte) {
    return kButtons.at(static_cast<std::uint8_t>(byte - '0') % kButtons.size()).name;
}

std::vector<std::span<const std::uint8_t>> linesOf(std::span<const std::uint8_t> data) {
    std::vector<std::span<const std::uint8_t>> lines;
    auto start = data.begin();
    while (start != data.end()) {
        const auto end = std::find(start, data.end(), std::uint8_t{'\n'});
        lines.emplace_back(start, end);
        start = end == data.end() ? end : end + 1;
    }
    return lines;
}

} // namespace

BoxInput boxInputOf(std::span<const std::uint8_t> data, std::size_t maxClicks) {
    const std::vector<std::span<const std::uint8_t>> lines = linesOf(data);
    const std::span<const std::uint8_t> first =
        lines.empty() ? std::span<const std::uint8_t>() : lines.front();
    BoxInput input;
    input.format = formatOf(first.empty() ? std::uint8_t{'.'} : first.front());
    for (std::size_t i = 0; i < kAllParameters.size(); ++i) {
        if (i + 1 < lines.size()) {
            input.texts.at(i).assign(lines[i + 1].begin(), lines[i + 1].end());
        } else {
            input.texts.at(i) = startText(kAllParameters.at(i), input.format);
        }
    }
    const std::span<const std::uint8_t> clicks =
        first.empty() ? first : first.subspan(1, std::min(first.size() - 1, maxClicks));
    for (const std::uint8_t byte : clicks) {
        input.clicks.push_back(buttonOf(byte));
    }
    return input;
}

void fail(const char* broken, const std::string& detail) {
    std::fprintf(stderr, "amsim fuzzer: %s: «%s»\n", broken, detail.c_str());
    std::abort();
}

void require(bool holds, const char* broken, const std::string& detail) {
    if (!holds) {
        fail(broken, detail);
    }
}

void requireWrittenWell(std::string_view button, Parameter box, const std::string& written,
                        const NumberFormat& format) {
    const std::optional<double> value = textToNumber(written, format);
    require(value.has_value(), "a button wrote a text that does not read back", written);
    require(numberToText(*value, format) == written,
            "a button wrote a text that formats differently when read back", written);
    require(isAllowed(box, *value), "a button wrote a number its box does not take", written);
    if (button == "ModulanteBajar") {
        require(*value >= 0.0, "the down step of the modulating amplitude went below 0", written);
    }
}

void requireErrorFits(const Error& error, const std::function<std::string(Parameter)>& textOf,
                      const NumberFormat& format) {
    const std::string message = error.what();
    const std::optional<Parameter> parameter = error.parameter();
    const std::optional<double> value =
        parameter ? textToNumber(textOf(*parameter), format) : std::nullopt;
    switch (error.kind()) {
    case Error::Kind::NotANumber:
    case Error::Kind::OutOfRange:
        require(parameter && !(value && isAllowed(*parameter, *value)),
                "a box that holds a number it takes was refused", message);
        return;
    case Error::Kind::Overflow:
        require(value && std::fabs(*value) > 1e308,
                "a step overflowed from a number far from the edge of the range", message);
        return;
    case Error::Kind::TooLargeToDraw:
        require(!parameter || value, "an overflow blamed a box that holds no number", message);
        return;
    case Error::Kind::DrawingFailed:
        fail("the drawing failed on a canvas that never refuses", message);
    case Error::Kind::Outside:
        fail("a button raised an error that only the command line can", message);
    case Error::Kind::BadExercise:
        fail("a button raised an error that only an exercise's start can", message);
    case Error::Kind::UnknownLanguage:
        fail("a button raised an error that only a language's choice can", message);
    }
}

void requireSaneFigures(const std::vector<std::string>& lines, const NumberFormat& format) {
    if (const std::optional<std::string> absurd =
            test::absurdFigure(lines, format.decimalSeparator, format.exponent)) {
        fail("an absurd figure", *absurd);
    }
}

} // namespace amsim::fuzz
