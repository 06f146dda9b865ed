#include "params/Handlers.h"

#include "core/Error.h"
#include "params/PanelTexts.h"
#include "signals/ScreenStart.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace amsim {
namespace {

// Controls that keep their state in plain members and log what is done to them.
class LoggedControls : public Controls {
public:
    std::array<std::string, kParameterCount> boxes = [] {
        std::array<std::string, kParameterCount> starts;
        for (const ParameterRow& row : kParameterRows) {
            starts.at(static_cast<std::size_t>(row.parameter)) = row.start;
        }
        return starts;
    }();
    std::array<bool, 2> shown{};
    std::array<std::string, 2> panelTexts;
    std::vector<std::string> log;

    std::string text(Parameter box) const override { return boxes.at(index(box)); }
    void setText(Parameter box, const std::string& text) override {
        boxes.at(index(box)) = text;
        log.push_back("text " + text);
    }
    bool isPanelShown(Panel panel) const override { return shown.at(index(panel)); }
    void showPanel(Panel panel) override {
        shown.at(index(panel)) = true;
        log.emplace_back("show");
    }
    void hidePanel(Panel panel) override {
        shown.at(index(panel)) = false;
        log.emplace_back("hide");
    }
    void placePanel(Panel /*panel*/, const PanelGeometry& g) override {
        log.push_back("place " + std::to_string(g.left) + " " + std::to_string(g.top) + " " +
                      std::to_string(g.width) + " " + std::to_string(g.height));
    }
    void setPanelText(Panel panel, const std::string& text) override {
        panelTexts.at(index(panel)) = text;
        log.emplace_back("panel text");
    }
    // The redraw's own steps, apart from the log the click tests compare.
    void describe(const std::string& sentence) override { steps.push_back("describe " + sentence); }
    Canvas& canvas() override {
        log.emplace_back("redraw");
        if (redrawFails) {
            throw *redrawFails;
        }
        drawing = std::make_unique<test::RecordingCanvas>();
        steps.emplace_back("draw");
        return *drawing;
    }
    void present() override {
        steps.push_back("present " + std::to_string(drawing ? drawing->operations().size() : 0));
    }
    std::optional<Error> redrawFails;
    std::unique_ptr<test::RecordingCanvas> drawing;
    std::vector<std::string> steps;
    void setMeasurements(const std::vector<std::string>& lines) override {
        measurements = lines;
        log.emplace_back("measurements");
    }
    std::vector<std::string> measurements;

private:
    template <class E> static std::size_t index(E e) { return static_cast<std::size_t>(e); }
};

TEST(Handlers, LoadWritesTheStartValuesAndDrawsNothing) {
    LoggedControls controls;
    controls.boxes.fill("x");
    Handlers handlers(controls, NumberFormat{});
    handlers.Form_Load();
    EXPECT_EQ(std::vector<std::string>(controls.boxes.begin(), controls.boxes.end()),
              (std::vector<std::string>{"1", "1", "1", "1", "0", "0", "0", "0", "0", "1000", "0",
                                        "0.2", "0"}));
    EXPECT_EQ(handlers.window().Escala, 30);
    EXPECT_DOUBLE_EQ(handlers.window().Pi, 3.141592653589793);
    EXPECT_EQ(std::count(controls.log.begin(), controls.log.end(), "redraw"), 0);
    handlers.Form_Activate();
    EXPECT_EQ(controls.log.back(), "measurements");
    EXPECT_EQ(controls.measurements.front(), "Modo: AM");
}

TEST(Handlers, EveryButtonHasItsClickAndNothingElseHasOne) {
    LoggedControls controls;
    Handlers handlers(controls, NumberFormat{",", "E"});
    handlers.Form_Load();
    const std::vector<std::pair<const char*, std::string>> rows{
        {"ModulanteSubir", "1,2"}, {"ModulanteBajar", "1"}, {"VccSubir", "1,2"}, {"VccBajar", "1"},
        {"FaseSubir", "30"},       {"FaseBajar", "0"},      {"BliSi", "0"},      {"BlsSi", "0"},
        {"EnvelopeToggle", "1"},   {"EscalasSi", "1"},      {"DfSubir", "0,5"},  {"DfBajar", "0"},
        {"BaseSubir", "0,5"},      {"BaseBajar", "0,2"}};
    for (const auto& [button, written] : rows) {
        SCOPED_TRACE(button);
        controls.log.clear();
        const auto click = Handlers::clickOf(button);
        ASSERT_TRUE(click.has_value());
        (handlers.**click)();
        EXPECT_EQ(controls.log,
                  (std::vector<std::string>{"text " + written, "redraw", "measurements"}));
    }
    EXPECT_TRUE(Handlers::clickOf("Ayuda") && Handlers::clickOf("Acerca"));
    EXPECT_FALSE(Handlers::clickOf("mdl") || Handlers::clickOf("Label1") || Handlers::clickOf(""));
}

TEST(Handlers, PanelShowsWithoutRedrawAndHidesWithOneAndItsTextIsRebuiltEachTime) {
    LoggedControls controls;
    Handlers handlers(controls, NumberFormat{});
    handlers.Ayuda_Click();
    EXPECT_EQ(controls.log,
              (std::vector<std::string>{"show", "place 20 24 600 665", "panel text"}));
    EXPECT_EQ(controls.panelTexts[0], panelText(helpParagraphs()));
    controls.panelTexts[0] = "escrito por el alumno";
    controls.log.clear();
    handlers.Ayuda_Click();
    EXPECT_EQ(controls.log,
              (std::vector<std::string>{"hide", "redraw", "measurements", "panel text"}));
    EXPECT_EQ(controls.panelTexts[0], panelText(helpParagraphs()));
    EXPECT_TRUE(controls.panelTexts[1].empty());
}

// Described before it is drawn, so a stopped redraw never keeps the old
// description; what it drew until it stopped is presented all the same.
TEST(Handlers, ARedrawThatStopsIsDescribedAndPresentedWithoutMeasurements) {
    LoggedControls controls;
    controls.boxes[3] = "abc"; // BlsSiNo, first read after the generator and carrier
    Handlers handlers(controls, NumberFormat{});
    EXPECT_THROW(handlers.Box_Enter(), Error);
    ASSERT_EQ(controls.steps.size(), 3U);
    EXPECT_EQ(controls.steps[0].rfind("describe Parámetros no válidos", 0), 0U);
    EXPECT_EQ(controls.steps[1], "draw");
    EXPECT_NE(controls.steps[2], "present 0");
    EXPECT_EQ(controls.measurements, std::vector<std::string>{noMeasurements(Parameter::BlsSiNo)});
}

TEST(Handlers, ABadTextStopsTheClickBeforeAnythingIsWritten) {
    LoggedControls controls;
    controls.boxes[1] = "abc";
    Handlers handlers(controls, NumberFormat{});
    EXPECT_THROW((handlers.*Handlers::arrowKeyOf(Parameter::Vcc, false))(), Error);
    EXPECT_EQ(controls.log, std::vector<std::string>{"measurements"});
    EXPECT_EQ(controls.boxes[1], "abc");
}

// While the picture is blank, cut short or older than the boxes, the readout
// says there are no measurements; the next redraw that ends brings them back.
struct StaleRow {
    const char* name;
    std::optional<Error> redrawFails;
    Handlers::Click click;
    std::string readout;
};

void PrintTo(const StaleRow& row, std::ostream* out) {
    *out << row.name;
}

class StaleReadout : public testing::TestWithParam<StaleRow> {};

TEST_P(StaleReadout, SaysThereAreNoMeasurements) {
    LoggedControls controls;
    controls.boxes[0] = "abc";
    controls.shown[0] = true;
    controls.redrawFails = GetParam().redrawFails;
    Handlers handlers(controls, NumberFormat{});
    EXPECT_THROW((handlers.*GetParam().click)(), Error);
    EXPECT_EQ(controls.measurements, std::vector<std::string>{GetParam().readout});
    controls.boxes[0] = "1";
    controls.redrawFails.reset();
    handlers.Box_Enter();
    EXPECT_EQ(controls.measurements.front(), "Modo: AM");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StaleReadout,
    testing::Values(
        StaleRow{"StepOfABadText",
                 {},
                 Handlers::arrowKeyOf(Parameter::Modulante, true),
                 "Sin medidas: corrija «Modulante»"},
        StaleRow{"EnterWithABadText", {}, &Handlers::Box_Enter, "Sin medidas: corrija «Modulante»"},
        StaleRow{"OverflowNamingABox", Error::overflowWhileDrawing(Parameter::Fase),
                 Handlers::arrowKeyOf(Parameter::Fase, true),
                 "Sin medidas: corrija «fase port reinsertada»"},
        StaleRow{"DrawingRefused", Error::drawingFailed(), &Handlers::Ayuda_Click,
                 "Sin medidas: el dibujo no se pudo completar"},
        StaleRow{"FirstPicture", Error::drawingFailed(), &Handlers::Form_Activate,
                 "Sin medidas: el dibujo no se pudo completar"}),
    [](const testing::TestParamInfo<StaleRow>& row) { return std::string(row.param.name); });

// Running time, on a wall clock the test sets.
struct LiveRow {
    const char* name;
    Parameter box;
    const char* text;
    bool heard;
    bool paused;
    bool live;
    double wall = 0.0; // when the bench is asked whether it is live
};

void PrintTo(const LiveRow& row, std::ostream* out) {
    *out << row.name;
}

class LiveBench : public testing::TestWithParam<LiveRow> {};

TEST_P(LiveBench, RunsFramesOnlyWhileSomethingMoves) {
    const LiveRow& row = GetParam();
    LoggedControls controls;
    controls.boxes.at(static_cast<std::size_t>(row.box)) = row.text;
    double wall = 0.0;
    Handlers handlers(controls, NumberFormat{}, BenchClock([&wall] { return wall; }));
    handlers.Form_Activate();
    handlers.setHeard(row.heard);
    if (row.paused) {
        handlers.Pausa_Click();
    }
    wall = row.wall;
    EXPECT_EQ(handlers.isLive(), row.live);
    controls.log.clear();
    wall += 0.2;
    handlers.Frame();
    const std::vector<std::string> drawn{"redraw", "measurements"};
    EXPECT_EQ(controls.log, row.live ? drawn : std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LiveBench,
    testing::Values(LiveRow{"Still", Parameter::Fase, "30", false, false, false},
                    LiveRow{"DriftingCarrier", Parameter::Df, "1", false, false, true},
                    LiveRow{"NoisyChannel", Parameter::Ruido, "0.05", false, false, true},
                    LiveRow{"HeardReceiver", Parameter::Fase, "0", true, false, true},
                    LiveRow{"Paused", Parameter::Df, "1", false, true, false},
                    LiveRow{"DriftTooSmallToShow", Parameter::Df, "1e-320", false, false, false},
                    LiveRow{"DriftOfAMillionthOfAHertz", Parameter::Df, "1e-6", false, false, true},
                    LiveRow{"ClockAtItsLatestInstant", Parameter::Df, "1", false, false, false,
                            kLatestInstant + 1.0}),
    [](const testing::TestParamInfo<LiveRow>& row) { return std::string(row.param.name); });

// The phase error now follows the wall clock, stands still while paused and
// goes on from there; a frame draws the last complete setting even while a
// box holds a text still being typed.
TEST(Handlers, FramesFollowTheClockFromTheLastCompleteSetting) {
    LoggedControls controls;
    controls.boxes.at(static_cast<std::size_t>(Parameter::Df)) = "1";
    double wall = 10.0;
    Handlers handlers(controls, NumberFormat{}, BenchClock([&wall] { return wall; }));
    handlers.Form_Activate();
    const auto phaseNow = [&controls] {
        const auto line = std::find_if(
            controls.measurements.begin(), controls.measurements.end(),
            [](const std::string& l) { return l.rfind("Error de fase ahora: ", 0) == 0; });
        return line == controls.measurements.end() ? std::string() : *line;
    };
    EXPECT_EQ(phaseNow(), "Error de fase ahora: 0°");
    controls.boxes[0] = "abc";
    wall = 10.125;
    handlers.Frame();
    EXPECT_DOUBLE_EQ(handlers.instant(), 0.125);
    EXPECT_EQ(phaseNow(), "Error de fase ahora: 45°");
    handlers.Pausa_Click();
    wall = 11.0;
    handlers.Frame();
    EXPECT_DOUBLE_EQ(handlers.instant(), 0.125);
    handlers.Pausa_Click();
    wall = 11.125;
    handlers.Frame();
    EXPECT_EQ(phaseNow(), "Error de fase ahora: 90°");
    handlers.showInstant(0.75);
    EXPECT_THROW(handlers.Box_Enter(), Error);
    controls.boxes[0] = "1";
    handlers.Box_Enter();
    EXPECT_FALSE(handlers.isLive());
    EXPECT_EQ(phaseNow(), "Error de fase ahora: 270°");
}

// Paused at any moment of a live bench, the time stands at the screen's own
// moment, a whole millisecond: the instant the link and the command hand on,
// whose bench draws the same picture and readout; a redraw while paused draws
// it again, and the time runs on from it.
TEST(Handlers, APauseHoldsTheInstantOfThePictureOnScreen) {
    const std::array<std::pair<Parameter, const char*>, 3> lowerSidebandDrifting{
        {{Parameter::Vcc, "0"}, {Parameter::BlsSiNo, "0"}, {Parameter::Df, "100"}}};
    const auto bench = [&lowerSidebandDrifting](LoggedControls& controls) {
        for (const auto& [box, text] : lowerSidebandDrifting) {
            controls.boxes.at(static_cast<std::size_t>(box)) = text;
        }
    };
    LoggedControls controls;
    bench(controls);
    double wall = 0.0;
    Handlers handlers(controls, NumberFormat{}, BenchClock([&wall] { return wall; }));
    handlers.Form_Activate();
    std::mt19937 random(29);
    std::uniform_real_distribution<double> later(0.0, 3.0);
    for (int pause = 0; pause < 20; ++pause) {
        wall += later(random);
        handlers.Frame();
        const double shown = handlers.instant();
        wall += 0.01; // the click comes after the frame
        handlers.Pausa_Click();
        const std::vector<std::string> readout = controls.measurements;
        ASSERT_EQ(handlers.stillInstant(), shown);
        const std::string tiempo = numberToText(shown, NumberFormat{});
        ASSERT_EQ(textToNumber(tiempo, NumberFormat{}), shown);
        ASSERT_LE(tiempo.size() - std::min(tiempo.size(), tiempo.find('.') + 1), 3U) << tiempo;

        handlers.Box_Enter();
        ASSERT_EQ(handlers.instant(), shown);
        ASSERT_EQ(controls.measurements, readout) << tiempo;
        LoggedControls linkedControls;
        bench(linkedControls);
        Handlers linked(linkedControls, NumberFormat{});
        linked.showInstant(*textToNumber(tiempo, NumberFormat{}));
        linked.Form_Activate();
        ASSERT_EQ(linkedControls.measurements, readout) << tiempo;
        ASSERT_EQ(linkedControls.drawing->operations(), controls.drawing->operations()) << tiempo;

        wall += 5.0;
        handlers.Pausa_Click();
        wall += 0.25;
        handlers.Frame();
        ASSERT_DOUBLE_EQ(handlers.instant(), shown + 0.25);
    }
}

} // namespace
} // namespace amsim
