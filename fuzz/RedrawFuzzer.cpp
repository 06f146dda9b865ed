// Drives the window's own handlers over controls without widgets: arbitrary
// box texts, a number format and a series of clicks (BoxFuzzing.h), through
// the real step, toggle, panel and reading rules and Graficar, which draws on
// the tests' recording canvas. The readout and the drawing's description are
// held to sane figures. The first picture is drawn before the clicks, as
// when the window appears. Only amsim::Error is caught: any other exception
// escapes and is a crash.
#include "BoxFuzzing.h"
#include "core/Error.h"
#include "params/Controls.h"
#include "params/Handlers.h"
#include "support/RecordingCanvas.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {

namespace {

using fuzz::fail;
using fuzz::require;

// A float that is finite is within float range; a double out of that range
// converted to float would already have stopped the run under UBSan.
void requireFiniteCoordinates(const test::RecordingCanvas& canvas) {
    for (const test::Operation& operation : canvas.operations()) {
        for (const CanvasPoint point : {operation.from, operation.to}) {
            if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
                fail("the canvas received a coordinate that is not finite",
                     std::to_string(point.x) + ", " + std::to_string(point.y));
            }
        }
    }
}

// The window without widgets: the box texts and the two panels, changed
// only by the shared handlers.
class Bench final : public Controls {
public:
    explicit Bench(const fuzz::BoxInput& input)
        : boxes_(input.texts)
        , handlers_(*this, input.format) {}

    // Form1::Form_Activate: the first picture.
    void appear() {
        guarded([this] { handlers_.Form_Activate(); });
    }

    void click(std::string_view button) {
        clicked_ = button;
        guarded([this, click = *Handlers::clickOf(button)] { (handlers_.*click)(); });
    }

    std::string text(Parameter parameter) const override {
        return boxes_.at(static_cast<std::size_t>(parameter));
    }
    void setText(Parameter parameter, const std::string& text) override {
        fuzz::requireWrittenWell(clicked_, parameter, text, handlers_.format());
        box(parameter) = text;
    }
    bool isPanelShown(Panel panel) const override { return shown_.at(index(panel)); }
    void showPanel(Panel panel) override { shown_.at(index(panel)) = true; }
    void hidePanel(Panel panel) override { shown_.at(index(panel)) = false; }
    void placePanel(Panel /*panel*/, const PanelGeometry& /*geometry*/) override {}
    void setPanelText(Panel /*panel*/, const std::string& /*text*/) override {}
    void describe(const std::string& sentence) override {
        fuzz::requireSaneFigures({sentence}, handlers_.format());
    }
    // A fresh recording for every redraw.
    Canvas& canvas() override {
        canvas_ = std::make_unique<test::RecordingCanvas>();
        return *canvas_;
    }
    // What was drawn before an error stays, and is shown as well.
    void present() override { requireFiniteCoordinates(*canvas_); }
    // Every line of a redraw that reached its end, or the one line that says
    // there are none.
    void setMeasurements(const std::vector<std::string>& lines) override {
        const bool none = lines.size() == 1 && lines.front().rfind("Sin medidas", 0) == 0;
        require(none || lines.size() >= 10, "the readout lost lines",
                std::to_string(lines.size()) + (lines.empty() ? "" : ": " + lines.front()));
        fuzz::requireSaneFigures(lines, handlers_.format());
    }

private:
    static std::size_t index(Panel panel) { return static_cast<std::size_t>(panel); }
    std::string& box(Parameter parameter) { return boxes_.at(static_cast<std::size_t>(parameter)); }

    // Form1::guarded. An error that names a box it could not read leaves
    // that box as it was; an overflow in the redraw names the box to blame,
    // which the step before it may have written.
    template <class Handler> void guarded(Handler&& handler) {
        const fuzz::BoxTexts before = boxes_;
        try {
            handler();
        } catch (const Error& error) {
            fuzz::requireErrorFits(
                error, [this](Parameter parameter) { return text(parameter); }, handlers_.format());
            const std::optional<Parameter> named = error.parameter();
            if (named && error.kind() != Error::Kind::TooLargeToDraw) {
                const auto i = static_cast<std::size_t>(*named);
                require(boxes_.at(i) == before.at(i), "a failed conversion wrote into its box",
                        boxes_.at(i));
            }
        }
    }

    fuzz::BoxTexts boxes_;
    std::array<bool, 2> shown_{};
    std::string_view clicked_;
    std::unique_ptr<test::RecordingCanvas> canvas_ = std::make_unique<test::RecordingCanvas>();
    Handlers handlers_;
};

} // namespace

} // namespace amsim

// A redraw takes about 5 ms under the sanitizers and coverage
// instrumentation, 20 ms with the noise's readout: four clicks keep an input
// under a tenth of a second. Longer series of rules are the parameter
// fuzzer's.
constexpr std::size_t kMaxClicks = 4;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const amsim::fuzz::BoxInput input =
        amsim::fuzz::boxInputOf(std::span<const std::uint8_t>(data, size), kMaxClicks);
    amsim::Bench bench(input);
    bench.appear();
    for (const std::string_view button : input.clicks) {
        bench.click(button);
    }
    return 0;
}
