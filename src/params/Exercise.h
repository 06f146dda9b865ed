#pragma once

#include "core/ParameterTable.h"
#include "core/Parameters.h"
#include "params/HiddenSet.h"
#include "params/NumberText.h"
#include "texts/Catalogue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {

// What an answer is: a number, or which sideband the transmitter suppresses.
enum class AnswerKind { Number, Sideband };

// A question a student answers from what the bench shows.
struct QuestionRow {
    std::string_view name; // in exercise codes and the teacher's list
    TextKey text;          // the question as the student reads it
    TextKey hint;          // the display that helps, after a wrong answer
    AnswerKind kind = AnswerKind::Number;
    double tolerance = 0.0; // the usual one, in the answer's unit
    bool magnitude = false; // only the size can be seen, not the sign
    // The right answer for the setting: a number, or for a sideband the
    // SidebandAnswer's value.
    double (*truth)(ParameterReader& boxes) = nullptr;
    // The parameter whose value it asks for, if it asks for one.
    std::optional<Parameter> asks{};
};

// Which sideband is missing, as AnswerKind::Sideband answers it.
enum class SidebandAnswer { Neither = 0, Lower = 1, Upper = 2, Both = 3 };

std::span<const QuestionRow> questionRows();
// The row's position, or none for a name no row has.
std::optional<std::size_t> questionNamed(std::string_view name);
// The question that asks for the parameter's value, if there is one.
std::optional<std::size_t> questionAsking(Parameter parameter);

// One exercise: the whole setting (each box's text, a point for the decimal),
// the boxes hidden, and the question with its tolerance; none where no
// question asks for what is hidden (the scales' switch alone).
struct Exercise {
    std::array<std::string, kParameterCount> texts{};
    HiddenSet hidden;
    std::optional<std::size_t> question;
    double tolerance = 0.0;
};

// The question a bench with these boxes hidden asks when none is chosen: that
// for the first hidden value that has one; none when none does.
std::optional<std::size_t> defaultQuestion(const HiddenSet& hidden);

// The verdict on an answer; an exercise without a question takes none.
enum class Verdict { Correct, Incorrect, Unreadable };

// The exercise's question as the student reads it; empty without one.
std::string questionText(const Exercise& exercise);
// Its hint after a wrong answer, which names the display that helps.
std::string hintText(const Exercise& exercise);

// An answer as typed, with the locale's decimal separator or a point; for a
// sideband, a word of the catalogue ("inferior", "BLI" …).
Verdict judge(const Exercise& exercise, ParameterReader& boxes, std::string_view answer,
              const NumberFormat& format);
// The right answer as the student reads it: "0,7", "70 %", "inferior".
std::string solutionText(const Exercise& exercise, ParameterReader& boxes,
                         const NumberFormat& format);

// The readout with each line that states a hidden value replaced by its
// label and "?"; the lines from which the value must be worked out stay.
std::vector<std::string> hideStatedLines(std::vector<std::string> lines, const HiddenSet& hidden);

} // namespace amsim
