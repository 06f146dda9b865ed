// Drives the parameter boxes and the redraw the way the window's button
// handlers do, without widgets: arbitrary box texts, a locale and a series of
// clicks, through the real step, toggle and reading rules and Graficar, which
// draws on the tests' recording canvas.
//
// Input, split into lines at '\n' (so no box text here holds one):
//   line 1  first byte: the locale. Bit 1 set is C with a decimal point
//           ('.' is one such byte), clear is es_ES with a decimal comma (',').
//           Every further byte is one click, at most 16 of them, on button
//           (byte - '0') mod 256 mod 10, so the digits name the buttons:
//             0 ModulanteSubir  1 ModulanteBajar  2 VccSubir  3 VccBajar
//             4 FaseSubir       5 FaseBajar       6 BliSi     7 BlsSi
//             8 Ayuda           9 Acerca
//   lines 2 to 6  the texts of mdl, Vcc, BliSiNo, BlsSiNo and fase, decoded
//           as UTF-8 (invalid sequences included). A box whose line is
//           missing keeps its start value: 1, 1, 1, 1 and 0.
// The first picture is drawn before the clicks, as when the window appears.
// A broken rule prints what broke and aborts. Only amsim::Error is caught:
// any other exception escapes and is a crash.
#include "display/Error.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"
#include "params/NumberText.h"
#include "params/StepRules.h"
#include "support/RecordingCanvas.h"

#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

namespace amsim {

namespace {

// A redraw takes about 1 ms, some 5 ms under the sanitizers and coverage
// instrumentation: 16 clicks keep an input near a tenth of a second.
constexpr std::size_t kMaxClicks = 16;

enum class Button {
    ModulanteSubir,
    ModulanteBajar,
    VccSubir,
    VccBajar,
    FaseSubir,
    FaseBajar,
    BliSi,
    BlsSi,
    Ayuda,
    Acerca,
};
constexpr unsigned kButtonCount = 10;

[[noreturn]] void fail(const char* broken, const QString& detail) {
    std::fprintf(stderr, "amsim_parameter_fuzzer: %s: «%s»\n", broken, qUtf8Printable(detail));
    std::abort();
}

void require(bool holds, const char* broken, const QString& detail) {
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
                     QStringLiteral("%1, %2")
                         .arg(static_cast<double>(point.x))
                         .arg(static_cast<double>(point.y)));
            }
        }
    }
}

// The window without widgets: the five box texts and the two panels.
class Bench {
public:
    explicit Bench(const QLocale& locale)
        : locale_(locale)
        , reader_([this](Parameter parameter) { return box(parameter); }, locale) {}

    QString& box(Parameter parameter) { return boxes_.at(static_cast<std::size_t>(parameter)); }

    // Form1::Form_Activate: the first picture.
    void appear() {
        guarded(std::nullopt, [this] { redraw(); });
    }

    void click(Button button);

private:
    void step(const StepRule& rule);
    void toggle(Parameter sideband);
    void showOrHidePanel(bool& shown);
    void redraw();
    void requireReadsBack(const QString& written, const StepRule* rule);
    void requireErrorFits(const Error& error);

    // Form1::guarded. When the error names the box the handler writes, it
    // came from the conversion, and the box must hold what it held before.
    template <class Handler> void guarded(std::optional<Parameter> written, Handler&& handler) {
        const QString before = written ? box(*written) : QString();
        try {
            handler();
        } catch (const Error& error) {
            requireErrorFits(error);
            if (written && error.parameter() == written) {
                require(box(*written) == before, "a failed conversion wrote into its box",
                        box(*written));
            }
        }
    }

    std::array<QString, kAllParameters.size()> boxes_{QStringLiteral("1"), QStringLiteral("1"),
                                                      QStringLiteral("1"), QStringLiteral("1"),
                                                      QStringLiteral("0")};
    bool helpShown_ = false;
    bool aboutShown_ = false;
    QLocale locale_;
    BoxReader reader_;
    WindowValues window_;
};

void Bench::click(Button button) {
    switch (button) {
    case Button::ModulanteSubir:
        return step(kModulanteSubir);
    case Button::ModulanteBajar:
        return step(kModulanteBajar);
    case Button::VccSubir:
        return step(kVccSubir);
    case Button::VccBajar:
        return step(kVccBajar);
    case Button::FaseSubir:
        return step(kFaseSubir);
    case Button::FaseBajar:
        return step(kFaseBajar);
    case Button::BliSi:
        return toggle(Parameter::BliSiNo);
    case Button::BlsSi:
        return toggle(Parameter::BlsSiNo);
    case Button::Ayuda:
        return showOrHidePanel(helpShown_);
    case Button::Acerca:
        return showOrHidePanel(aboutShown_);
    }
}

void Bench::step(const StepRule& rule) {
    guarded(rule.box, [this, &rule] {
        QString& target = box(rule.box);
        target = steppedText(rule, target, locale_);
        requireReadsBack(target, &rule);
        redraw();
    });
}

void Bench::toggle(Parameter sideband) {
    guarded(sideband, [this, sideband] {
        QString& target = box(sideband);
        target = toggledText(sideband, target, locale_);
        requireReadsBack(target, nullptr);
        redraw();
    });
}

// Showing a panel draws nothing; hiding it redraws what it covered.
void Bench::showOrHidePanel(bool& shown) {
    guarded(std::nullopt, [this, &shown] {
        shown = !shown;
        if (!shown) {
            redraw();
        }
    });
}

void Bench::redraw() {
    test::RecordingCanvas canvas;
    try {
        Graficar(canvas, reader_, window_);
    } catch (const Error&) {
        requireFiniteCoordinates(canvas); // what was drawn before the error stays
        throw;
    }
    requireFiniteCoordinates(canvas);
}

// What a button writes is a number that the box reads back, and that
// formats to the very same text, so the next step starts from what is shown.
void Bench::requireReadsBack(const QString& written, const StepRule* rule) {
    const std::optional<double> value = textToNumber(written, locale_);
    require(value.has_value(), "a button wrote a text that does not read back", written);
    require(numberToText(*value, locale_) == written,
            "a button wrote a text that formats differently when read back", written);
    if (rule != nullptr && rule->floorAtZero) {
        require(*value >= 0.0, "the down step of the modulating amplitude went below 0", written);
    }
}

// Every error names the right box: a refused text is not a number; a step
// that overflows started from a number at the very edge of the double range;
// the recording canvas never refuses a drawing, and no file is written.
void Bench::requireErrorFits(const Error& error) {
    const QString message = QString::fromUtf8(error.what());
    const std::optional<Parameter> parameter = error.parameter();
    switch (error.kind()) {
    case Error::Kind::NotANumber:
        require(parameter && !textToNumber(box(*parameter), locale_),
                "a box that reads as a number was refused", message);
        return;
    case Error::Kind::Overflow:
        if (parameter) {
            const std::optional<double> value = textToNumber(box(*parameter), locale_);
            require(value && std::fabs(*value) > 1e308,
                    "a step overflowed from a number far from the edge of the range", message);
        }
        return;
    case Error::Kind::DrawingFailed:
        fail("the drawing failed on a canvas that never refuses", message);
    case Error::Kind::CommandLine:
    case Error::Kind::WriteFailed:
        fail("a button raised an error that only the command line can", message);
    }
}

const QLocale& localeOf(std::uint8_t selector) {
    static const QLocale point = QLocale::c();
    static const QLocale comma(QLocale::Spanish, QLocale::Spain);
    return (selector & 0x02U) != 0 ? point : comma;
}

Button buttonOf(std::uint8_t byte) {
    return static_cast<Button>(static_cast<std::uint8_t>(byte - '0') % kButtonCount);
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

    Bench bench(localeOf(first.empty() ? std::uint8_t{'.'} : first.front()));
    for (std::size_t i = 0; i < kAllParameters.size() && i + 1 < lines.size(); ++i) {
        const std::span<const std::uint8_t> text = lines[i + 1];
        bench.box(kAllParameters.at(i)) =
            QString::fromUtf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
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
