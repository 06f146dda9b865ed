// Drives the window's own handlers over controls without widgets: arbitrary
// box texts, a number format and a series of clicks, through the real step,
// toggle, panel and reading rules and Graficar, which draws on the tests'
// recording canvas.
//
// Input, split into lines at '\n' (so no box text here holds one):
//   line 1  first byte: the number format. Bit 1 set is a decimal point
//           ('.' is one such byte), clear is a decimal comma (',').
//           Every further byte is one click, at most 16 of them, on button
//           (byte - '0') mod 256 mod 17 of kButtons, so the digits and ':' to '@'
//           name them:
//             0 ModulanteSubir  1 ModulanteBajar  2 VccSubir  3 VccBajar
//             4 FaseSubir       5 FaseBajar       6 BliSi     7 BlsSi
//             8 Ayuda           9 Acerca          : EnvelopeToggle
//             ; EscalasSi       < RuidoSubir      = RuidoBajar
//             > DfSubir         ? DfBajar         @ Pausa
//   lines 2 to 10  the texts of mdl, Vcc, BliSiNo, BlsSiNo, fase, the
//           envelope detector's switch, the noise, the scales' switch and
//           the frequency error, byte for byte (invalid UTF-8 included). A
//           box whose line is missing keeps its start value: 1, 1, 1, 1 and
//           then 0.
// The first picture is drawn before the clicks, as when the window appears.
// A broken rule prints what broke and aborts. Only amsim::Error is caught:
// any other exception escapes and is a crash.
#include "core/Error.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/Handlers.h"
#include "params/NumberText.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {

namespace {

// A redraw takes about 1 ms, some 5 ms under the sanitizers and coverage
// instrumentation: 16 clicks keep an input near a tenth of a second.
constexpr std::size_t kMaxClicks = 16;

[[noreturn]] void fail(const char* broken, const std::string& detail) {
    std::fprintf(stderr, "amsim_parameter_fuzzer: %s: «%s»\n", broken, detail.c_str());
    std::abort();
}

void require(bool holds, const char* broken, const std::string& detail) {
    if (!holds) {
        fail(broken, detail);
    }
}

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

// The window without widgets: the five box texts and the two panels, changed
// only by the shared handlers.
class Bench final : public Controls {
public:
    explicit Bench(const NumberFormat& format)
        : handlers_(*this, format) {}

    void setBox(Parameter parameter, std::string text) { box(parameter) = std::move(text); }

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
        requireReadsBack(text);
        box(parameter) = text;
    }
    bool isPanelShown(Panel panel) const override { return shown_.at(index(panel)); }
    void showPanel(Panel panel) override { shown_.at(index(panel)) = true; }
    void hidePanel(Panel panel) override { shown_.at(index(panel)) = false; }
    void placePanel(Panel /*panel*/, const PanelGeometry& /*geometry*/) override {}
    void setPanelText(Panel /*panel*/, const std::string& /*text*/) override {}
    void describe(const std::string& /*sentence*/) override {}
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
    }

private:
    static std::size_t index(Panel panel) { return static_cast<std::size_t>(panel); }
    std::string& box(Parameter parameter) { return boxes_.at(static_cast<std::size_t>(parameter)); }
    void requireReadsBack(const std::string& written) const;
    void requireErrorFits(const Error& error) const;
    bool withinItsLimits(Parameter parameter, const std::string& boxText) const;

    // Form1::guarded. An error that names a box it could not read leaves
    // that box as it was; an overflow in the redraw names the box to blame,
    // which the step before it may have written.
    template <class Handler> void guarded(Handler&& handler) {
        const std::array<std::string, kAllParameters.size()> before = boxes_;
        try {
            handler();
        } catch (const Error& error) {
            requireErrorFits(error);
            const std::optional<Parameter> named = error.parameter();
            if (named && error.kind() != Error::Kind::TooLargeToDraw) {
                const auto i = static_cast<std::size_t>(*named);
                require(boxes_.at(i) == before.at(i), "a failed conversion wrote into its box",
                        boxes_.at(i));
            }
        }
    }

    std::array<std::string, kAllParameters.size()> boxes_{"1", "1", "1", "1", "0",
                                                          "0", "0", "0", "0"};
    std::array<bool, 2> shown_{};
    std::string_view clicked_;
    std::unique_ptr<test::RecordingCanvas> canvas_ = std::make_unique<test::RecordingCanvas>();
    Handlers handlers_;
};

// What a button writes is a number that the box reads back, and that
// formats to the very same text, so the next step starts from what is shown.
void Bench::requireReadsBack(const std::string& written) const {
    const std::optional<double> value = textToNumber(written, handlers_.format());
    require(value.has_value(), "a button wrote a text that does not read back", written);
    require(numberToText(*value, handlers_.format()) == written,
            "a button wrote a text that formats differently when read back", written);
    if (clicked_ == "ModulanteBajar") {
        require(*value >= 0.0, "the down step of the modulating amplitude went below 0", written);
    }
}

// Whether the text reads as a number the box takes: any for most boxes, the
// frequency error's only within its limit.
bool Bench::withinItsLimits(Parameter parameter, const std::string& boxText) const {
    const std::optional<double> value = textToNumber(boxText, handlers_.format());
    return value && (parameter != Parameter::Df || std::abs(*value) <= kDfLimit);
}

// Every error names the right box: a refused text is no usable number; a
// step that overflows started from a number at the very edge of the double
// range; an overflow in the redraw blames a box that holds a number; the
// recording canvas never refuses a drawing, and no file is written.
void Bench::requireErrorFits(const Error& error) const {
    const std::string message = error.what();
    const std::optional<Parameter> parameter = error.parameter();
    switch (error.kind()) {
    case Error::Kind::NotANumber:
    case Error::Kind::OutOfRange:
        require(parameter && !withinItsLimits(*parameter, text(*parameter)),
                "a box that reads as a number was refused", message);
        return;
    case Error::Kind::Overflow: {
        const std::optional<double> value =
            parameter ? textToNumber(text(*parameter), handlers_.format()) : std::nullopt;
        require(value && std::fabs(*value) > 1e308,
                "a step overflowed from a number far from the edge of the range", message);
        return;
    }
    case Error::Kind::TooLargeToDraw:
        require(!parameter || textToNumber(text(*parameter), handlers_.format()),
                "an overflow blamed a box that holds no number", message);
        return;
    case Error::Kind::DrawingFailed:
        fail("the drawing failed on a canvas that never refuses", message);
    case Error::Kind::Outside:
        fail("a button raised an error that only the command line can", message);
    }
}

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

void run(std::span<const std::uint8_t> data) {
    const std::vector<std::span<const std::uint8_t>> lines = linesOf(data);
    const std::span<const std::uint8_t> first =
        lines.empty() ? std::span<const std::uint8_t>() : lines.front();

    Bench bench(formatOf(first.empty() ? std::uint8_t{'.'} : first.front()));
    for (std::size_t i = 0; i < kAllParameters.size() && i + 1 < lines.size(); ++i) {
        const std::span<const std::uint8_t> text = lines[i + 1];
        bench.setBox(kAllParameters.at(i), std::string(text.begin(), text.end()));
    }

    bench.appear();
    const std::span<const std::uint8_t> clicks =
        first.empty() ? first : first.subspan(1, std::min(first.size() - 1, kMaxClicks));
    for (const std::uint8_t byte : clicks) {
        bench.click(buttonOf(byte));
    }
}

} // namespace

} // namespace amsim

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    amsim::run(std::span<const std::uint8_t>(data, size));
    return 0;
}
