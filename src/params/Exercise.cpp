#include "params/Exercise.h"

#include "core/Error.h"
#include "core/VisibleText.h"
#include "params/BoxReader.h"
#include "signals/Measurements.h"
#include "texts/Grammar.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace amsim {

namespace {

double read(ParameterReader& boxes, Parameter parameter) {
    return boxes.read(parameter);
}

// The index in per cent; none (NaN) without a carrier.
double modulationIndexPercent(ParameterReader& boxes) {
    const Measurements measured =
        measure(valuesOf([&boxes](Parameter p) { return boxes.read(p); }));
    return measured.modulationIndex ? 100.0 * *measured.modulationIndex : std::nan("");
}

double missingSideband(ParameterReader& boxes) {
    const bool lower = read(boxes, Parameter::BliSiNo) == 0.0;
    const bool upper = read(boxes, Parameter::BlsSiNo) == 0.0;
    return static_cast<double>(static_cast<int>(lower) + 2 * static_cast<int>(upper));
}

template <Parameter P> double valueOf(ParameterReader& boxes) {
    return read(boxes, P);
}

// A phase error as a student sees it: its size within half a turn.
double phaseErrorSize(ParameterReader& boxes) {
    return std::abs(std::remainder(read(boxes, Parameter::Fase), 360.0));
}

double driftSize(ParameterReader& boxes) {
    return std::abs(read(boxes, Parameter::Df));
}

constexpr QuestionRow kQuestions[] = {
    {"mdl", "question.mdl", "questionHint.mdl", AnswerKind::Number, 0.05, false,
     valueOf<Parameter::Modulante>, Parameter::Modulante},
    {"vcc", "question.vcc", "questionHint.vcc", AnswerKind::Number, 0.05, false,
     valueOf<Parameter::Vcc>, Parameter::Vcc},
    {"fase", "question.fase", "questionHint.fase", AnswerKind::Number, 3.0, true, phaseErrorSize,
     Parameter::Fase},
    {"ruido", "question.ruido", "questionHint.ruido", AnswerKind::Number, 0.005, false,
     valueOf<Parameter::Ruido>, Parameter::Ruido},
    {"df", "question.df", "questionHint.df", AnswerKind::Number, 2.0, false, valueOf<Parameter::Df>,
     Parameter::Df},
    {"tono", "question.tono", "questionHint.tono", AnswerKind::Number, 20.0, false,
     valueOf<Parameter::Tono>, Parameter::Tono},
    {"tono2", "question.tono2", "questionHint.tono2", AnswerKind::Number, 20.0, false,
     valueOf<Parameter::Tono2>, Parameter::Tono2},
    {"base", "question.base", "questionHint.base", AnswerKind::Number, 0.01, false,
     valueOf<Parameter::Base>, Parameter::Base},
    {"deriva",
     "question.deriva",
     "questionHint.deriva",
     AnswerKind::Number,
     0.1,
     true,
     driftSize,
     {}},
    {"indice",
     "question.indice",
     "questionHint.indice",
     AnswerKind::Number,
     3.0,
     true,
     modulationIndexPercent,
     {}},
    {"banda",
     "question.banda",
     "questionHint.banda",
     AnswerKind::Sideband,
     0.0,
     false,
     missingSideband,
     {}},
};

constexpr std::array<TextKey, 4> kSidebandWords{"answer.neither", "answer.lower", "answer.upper",
                                                "answer.both"};

std::string lowered(std::string_view text) {
    std::string low(text);
    std::transform(low.begin(), low.end(), low.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t first = low.find_first_not_of(" \t");
    const std::size_t last = low.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : low.substr(first, last - first + 1);
}

// Which sideband an answer names: a word of the catalogue, or the box's
// name of the one that is missing ("bli", "bls").
std::optional<SidebandAnswer> sidebandOf(std::string_view answer) {
    const std::string word = lowered(answer);
    for (std::size_t i = 0; i < kSidebandWords.size(); ++i) {
        if (word == catalogueText(kSidebandWords.at(i))) {
            return static_cast<SidebandAnswer>(i);
        }
    }
    if (word == "bli") {
        return SidebandAnswer::Lower;
    }
    if (word == "bls") {
        return SidebandAnswer::Upper;
    }
    return std::nullopt;
}

// The number typed in the locale's notation, or with a point as anywhere.
std::optional<double> answerNumber(std::string_view answer, const NumberFormat& format) {
    if (const std::optional<double> number = textToNumber(answer, format)) {
        return number;
    }
    return textToNumber(answer, pointFormat());
}

// The text of a key up to its first field: a line's label, "Tono detectado: ".
std::string_view labelOf(TextKey key) {
    const std::string_view text = catalogueText(key);
    return text.substr(0, text.find('{'));
}

// The readout's lines that state a value, with the boxes whose value they
// state; a line whose value must be worked out from others is not here.
struct StatedLine {
    TextKey line;
    std::array<Parameter, 2> states; // one box twice where it is one
};

constexpr std::array<StatedLine, 9> kStatedLines{{
    {"readout.mode", {Parameter::BliSiNo, Parameter::BlsSiNo}},
    {"readout.modulationIndex", {Parameter::Modulante, Parameter::Vcc}},
    {"readout.upperPower", {Parameter::BlsSiNo, Parameter::BlsSiNo}},
    {"readout.lowerPower", {Parameter::BliSiNo, Parameter::BliSiNo}},
    {"readout.filter", {Parameter::BliSiNo, Parameter::BlsSiNo}},
    {"readout.phaseNow", {Parameter::Fase, Parameter::Df}},
    {"readout.tone", {Parameter::Tono, Parameter::Tono2}},
    {"readout.bandwidth", {Parameter::Tono, Parameter::Tono2}},
    {"readout.peakToAverage", {Parameter::Tono2, Parameter::Tono2}},
}};

} // namespace

HiddenSet hiddenSetOf(std::string_view names) {
    HiddenSet hidden;
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t comma = std::min(names.find(',', start), names.size());
        const std::string name = lowered(names.substr(start, comma - start));
        start = comma + 1;
        if (name.empty()) {
            continue;
        }
        const auto* const found =
            std::find_if(kAllParameters.begin(), kAllParameters.end(),
                         [&name](Parameter p) { return rowOf(p).option == name; });
        if (found == kAllParameters.end()) {
            std::vector<std::string> all(kParameterCount);
            std::transform(std::begin(kParameterRows), std::end(kParameterRows), all.begin(),
                           [](const ParameterRow& row) { return std::string(row.option); });
            throw Error::badExercise(
                filled("exercise.badHidden", {{"name", quotedText(name)}, {"names", listed(all)}}));
        }
        hidden.set(static_cast<std::size_t>(*found));
    }
    return hidden;
}

std::string hiddenNames(const HiddenSet& hidden) {
    std::vector<std::string> names;
    for (const ParameterRow& row : kParameterRows) {
        if (isHidden(hidden, row.parameter)) {
            names.emplace_back(row.option);
        }
    }
    return joined(names, ",");
}

std::span<const QuestionRow> questionRows() {
    return kQuestions;
}

std::optional<std::size_t> questionNamed(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kQuestions); ++i) {
        if (kQuestions[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> questionAsking(Parameter parameter) {
    for (std::size_t i = 0; i < std::size(kQuestions); ++i) {
        if (kQuestions[i].asks == parameter) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> defaultQuestion(const HiddenSet& hidden) {
    for (const Parameter parameter : kAllParameters) {
        if (isHidden(hidden, parameter)) {
            if (const std::optional<std::size_t> question = questionAsking(parameter)) {
                return question;
            }
        }
    }
    if (isHidden(hidden, Parameter::BliSiNo) || isHidden(hidden, Parameter::BlsSiNo)) {
        return questionNamed("banda");
    }
    return std::nullopt;
}

std::string questionText(const Exercise& exercise) {
    return exercise.question ? std::string(catalogueText(kQuestions[*exercise.question].text))
                             : std::string();
}

std::string hintText(const Exercise& exercise) {
    return exercise.question ? std::string(catalogueText(kQuestions[*exercise.question].hint))
                             : std::string();
}

Verdict judge(const Exercise& exercise, ParameterReader& boxes, std::string_view answer,
              const NumberFormat& format) {
    if (!exercise.question) {
        return Verdict::Unreadable;
    }
    const QuestionRow& question = kQuestions[*exercise.question];
    const double truth = question.truth(boxes);
    if (question.kind == AnswerKind::Sideband) {
        const std::optional<SidebandAnswer> named = sidebandOf(answer);
        if (!named) {
            return Verdict::Unreadable;
        }
        return static_cast<double>(*named) == truth ? Verdict::Correct : Verdict::Incorrect;
    }
    const std::optional<double> number = answerNumber(answer, format);
    if (!number) {
        return Verdict::Unreadable;
    }
    const double given = question.magnitude ? std::abs(*number) : *number;
    // A hair of rounding at the tolerance's edge is the student's benefit.
    const double slack = exercise.tolerance * (1.0 + 1e-9);
    return std::abs(given - truth) <= slack ? Verdict::Correct : Verdict::Incorrect;
}

std::string solutionText(const Exercise& exercise, ParameterReader& boxes,
                         const NumberFormat& format) {
    if (!exercise.question) {
        return {};
    }
    const QuestionRow& question = kQuestions[*exercise.question];
    const double truth = question.truth(boxes);
    if (question.kind == AnswerKind::Sideband) {
        return std::string(catalogueText(kSidebandWords.at(static_cast<std::size_t>(truth))));
    }
    if (!std::isfinite(truth)) {
        return std::string(catalogueText("readout.none"));
    }
    // As precise as the tolerance asks, and no more.
    const double places =
        exercise.tolerance > 0.0 ? std::max(0.0, -std::floor(std::log10(exercise.tolerance))) : 3.0;
    const double scale = std::pow(10.0, std::min(places + 1.0, 6.0));
    return numberToText(std::round(truth * scale) / scale, format);
}

std::vector<std::string> hideStatedLines(std::vector<std::string> lines, const HiddenSet& hidden) {
    for (const StatedLine& stated : kStatedLines) {
        if (std::none_of(stated.states.begin(), stated.states.end(),
                         [&hidden](Parameter p) { return isHidden(hidden, p); })) {
            continue;
        }
        const std::string_view label = labelOf(stated.line);
        for (std::string& line : lines) {
            if (line.starts_with(label)) {
                line = std::string(label) + std::string(kHiddenText);
            }
        }
    }
    return lines;
}

} // namespace amsim
