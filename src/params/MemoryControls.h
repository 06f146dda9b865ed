#pragma once

#include "params/Controls.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace amsim {

// The handlers' controls without a window: the boxes held in memory, the
// panels never shown, the drawing made on the canvas given, and the readout
// and the description kept for whoever asks. For a readout on the command
// line, or a test of the rules and the readout.
class MemoryControls final : public Controls {
public:
    explicit MemoryControls(Canvas& drawing)
        : drawing_(drawing) {}

    std::string text(Parameter box) const override { return boxes_.at(index(box)); }
    void setText(Parameter box, const std::string& text) override { boxes_.at(index(box)) = text; }
    bool isPanelShown(Panel /*panel*/) const override { return false; }
    void showPanel(Panel /*panel*/) override {}
    void hidePanel(Panel /*panel*/) override {}
    void placePanel(Panel /*panel*/, const PanelGeometry& /*geometry*/) override {}
    void setPanelText(Panel /*panel*/, const std::string& /*text*/) override {}
    void describe(const std::string& sentence) override { description_ = sentence; }
    Canvas& canvas() override { return drawing_; }
    void present() override {}
    void setMeasurements(const std::vector<std::string>& lines) override { readout_ = lines; }
    void setBoxHidden(Parameter box, bool hidden) override { hidden_.at(index(box)) = hidden; }
    void showExercise(const ExerciseView& view) override { exercise_ = view; }
    std::string answerText() const override { return answer_; }

    const std::vector<std::string>& readout() const { return readout_; }
    const std::string& description() const { return description_; }
    bool boxHidden(Parameter box) const { return hidden_.at(index(box)); }
    const ExerciseView& exercise() const { return exercise_; }
    void setAnswer(std::string answer) { answer_ = std::move(answer); }

private:
    static std::size_t index(Parameter box) { return static_cast<std::size_t>(box); }

    std::array<std::string, kAllParameters.size()> boxes_;
    Canvas& drawing_;
    std::vector<std::string> readout_;
    std::string description_;
    std::array<bool, kAllParameters.size()> hidden_{};
    ExerciseView exercise_;
    std::string answer_;
};

} // namespace amsim
