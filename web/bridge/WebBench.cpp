#include "WebBench.h"

#include "ExerciseLists.h"
#include "canvas/PngFile.h"
#include "core/Error.h"
#include "core/VisibleText.h"
#include "display/Graficar.h"
#include "params/BuiltInExercises.h"
#include "params/Exercise.h"
#include "params/HiddenSet.h"
#include "params/PanelPictures.h"
#include "params/ParameterSummary.h"
#include "params/ReadoutRows.h"
#include "params/SettingText.h"
#include "params/StepRules.h"
#include "params/UserMessage.h"
#include "signals/ScreenStart.h"
#include "texts/Catalogue.h"

#include <emscripten/bind.h>
#include <optional>
#include <string_view>
#include <utility>

namespace amsim {

namespace {

std::string nameOf(Parameter box) {
    return std::string(boxName(box));
}

std::string nameOf(Panel panel) {
    return std::string(panelName(panel));
}

// The instant an address gives, with a point or in the page's notation like
// the boxes' values, or the message that says why the bench starts at 0.
struct AddressInstant {
    std::optional<double> seconds;
    std::string message;
};

AddressInstant instantOfAddress(const std::string& given, const NumberFormat& format) {
    std::optional<double> seconds = textToNumber(given, format);
    if (!seconds) {
        seconds = textToNumber(given, pointFormat());
    }
    if (seconds && *seconds >= 0.0 && *seconds <= kLatestInstant) {
        return {seconds, {}};
    }
    const std::string range =
        amsim::filled("number.range", {{"least", numberToText(0.0, format)},
                                       {"most", numberToText(kLatestInstant, format)}});
    return {std::nullopt, amsim::filled("address.instant", {{"option", kInstantOption},
                                                            {"range", range},
                                                            {"text", quotedText(given)}})};
}

// A fault of the program rather than of what the user typed.
// A name as the program quotes it, as it is.
std::string quoted(const std::string& name) {
    return amsim::filled("text.quoted", {{"text", name}});
}

WebBench::Outcome internalError(const std::string& what) {
    return {internalErrorMessage(what), {}, {}};
}

} // namespace

WebBench::WebBench(emscripten::val page, NumberFormat format, double scale)
    : page_(std::move(page))
    , scale_(scale)
    , canvas_(std::make_unique<WebCanvas>(kDrawingWidth, kDrawingHeight, page_, scale))
    , bench_(*this, std::move(format)) {}

// A wrong instant is told after a wrong box, whose message selects it.
WebBench::Outcome WebBench::start(const emscripten::val& given) {
    GivenStart start;
    const auto givenText = [&given](std::string_view option) -> std::optional<std::string> {
        const auto text = given.call<emscripten::val>("get", std::string(option));
        return text.isNull() ? std::nullopt : std::optional(text.as<std::string>());
    };
    start.exercise = givenText(kExerciseOption);
    start.seed = givenText(kSeedOption);
    start.hidden = givenText(kHiddenOption);
    std::string instantMessage;
    const auto instantText = given.call<emscripten::val>("get", std::string(kInstantOption));
    if (!instantText.isNull()) {
        const AddressInstant read =
            instantOfAddress(instantText.as<std::string>(), handlers().format());
        start.instant = read.seconds;
        instantMessage = read.message;
    }
    for (const Parameter box : kAllParameters) {
        const auto boxText = given.call<emscripten::val>("get", std::string(optionOf(box)));
        if (!boxText.isNull()) {
            start.texts.at(static_cast<std::size_t>(box)) =
                boxTextOfAddress(boxText.as<std::string>(), handlers().format());
        }
    }
    Outcome outcome = guarded([this, &start] { bench_.start(start); });
    if (!instantMessage.empty()) {
        outcome.message =
            outcome.message.empty() ? instantMessage : outcome.message + " " + instantMessage;
    }
    return outcome;
}

WebBench::Outcome WebBench::frame() {
    return guarded([this] { handlers().Frame(); });
}

WebBench::Outcome WebBench::click(const std::string& button) {
    const std::optional<Handlers::Click> click = Handlers::clickOf(button);
    if (!click) {
        return internalError(amsim::filled("internal.noButton", {{"name", quoted(button)}}));
    }
    return guarded([this, click = *click] { (handlers().*click)(); });
}

WebBench::Outcome WebBench::enter() {
    return guarded([this] { handlers().Box_Enter(); });
}

WebBench::Outcome WebBench::arrowKey(const std::string& box, bool up) {
    for (const Parameter parameter : kAllParameters) {
        if (boxName(parameter) == box) {
            const Handlers::Click step = Handlers::arrowKeyOf(parameter, up);
            return guarded([this, step] { (handlers().*step)(); });
        }
    }
    return internalError(amsim::filled("internal.noBox", {{"name", quoted(box)}}));
}

std::string WebBench::stepToolTip(const std::string& button) const {
    return amsim::stepToolTip(button, bench_.handlers().format()).value_or(std::string());
}

WebBench::Outcome WebBench::menu(const std::string& item, const std::string& address) {
    std::string copied;
    Outcome outcome = guarded([this, &item, &address, &copied] {
        copied = bench_.menuText(item, address).value_or(std::string());
    });
    if (outcome.message.empty() && copied.empty()) {
        return internalError(amsim::filled("internal.noMenuItem", {{"name", quoted(item)}}));
    }
    outcome.text = std::move(copied);
    return outcome;
}

WebBench::Outcome WebBench::createExercise(const std::string& hidden, const std::string& question,
                                           const std::string& tolerance,
                                           const std::string& address) {
    const std::optional<std::size_t> asked = questionNamed(question);
    if (!question.empty() && !asked) {
        return internalError(amsim::filled("internal.noQuestion", {{"name", quoted(question)}}));
    }
    ExerciseOffer offer;
    Outcome outcome = guarded([this, &hidden, asked, &tolerance, &address, &offer] {
        offer = bench_.createExercise({hiddenSetOf(hidden), asked, tolerance}, address);
    });
    if (outcome.message.empty()) {
        outcome.text = offer.link + "\n" + offer.command;
    }
    return outcome;
}

WebBench::Outcome WebBench::openExercise(const std::string& name, const std::string& seed) {
    if (builtInNamed(name) == nullptr) {
        return internalError(amsim::filled("internal.noExercise", {{"name", quoted(name)}}));
    }
    return guarded([this, &name, &seed] { bench_.openExercise(name, seed); });
}

emscripten::val WebBench::hideableParameters() const {
    return amsim::hideableParameters(bench_.handlers().hidden());
}

WebBench::Outcome WebBench::save(const std::string& item) {
    const SavedFile file = savedFileOf(item);
    if (file == SavedFile::None) {
        return internalError(amsim::filled("internal.noMenuItem", {{"name", quoted(item)}}));
    }
    std::string name;
    Outcome outcome = guarded([this, file, &name] {
        name = bench_.drawForSaving(file);
        saved_ = bench_.fileBytes(file, [this] { return drawingPng(); });
    });
    outcome.text = std::move(name);
    return outcome;
}

WebBench::Outcome WebBench::chooseLanguage(const std::string& language) {
    return guarded([this, &language] { bench_.chooseLanguage(language); });
}

WebBench::Outcome WebBench::openPanel(const std::string& item) {
    const std::optional<PanelPicture> picture = panelPicture(panelOf(item));
    if (!picture) {
        return internalError(amsim::filled("internal.noMenuItem", {{"name", quoted(item)}}));
    }
    panels_[picture->kind] = {
        item, std::make_unique<WebCanvas>(picture->width, picture->height, page_, scale_)};
    return guarded([this] { handlers().Box_Enter(); });
}

void WebBench::closePanel(const std::string& item) {
    panels_.erase(panelOf(item));
}

Canvas* WebBench::panelCanvas(PanelKind kind) {
    const auto found = panels_.find(kind);
    return found == panels_.end() ? nullptr : found->second.canvas.get();
}

// Only the rows that changed go to the page, as for the drawing.
void WebBench::presentPanel(PanelKind kind) {
    const OpenPanel& panel = panels_.at(kind);
    const WebCanvas::Rows rows = panel.canvas->updateRgba();
    if (rows.top > rows.bottom) {
        return;
    }
    const std::vector<std::uint32_t>& rgba = panel.canvas->rgba();
    const emscripten::val bytes(emscripten::typed_memory_view(
        rgba.size() * sizeof(std::uint32_t), reinterpret_cast<const std::uint8_t*>(rgba.data())));
    const PixelBuffer& pixels = panel.canvas->pixels();
    const std::optional<PanelPicture> picture = panelPicture(kind);
    page_.call<void>("paintPanel", panel.item, bytes, pixels.width(), pixels.height(), rows.top,
                     rows.bottom - rows.top + 1, picture->width, picture->height);
}

// The drawing as the page shows it at 1x, transparent where nothing is
// drawn, drawn afresh on a canvas of its own whatever the screen's ratio.
std::vector<std::uint8_t> WebBench::drawingPng() {
    WebCanvas drawing(kDrawingWidth, kDrawingHeight, page_, 1.0);
    Graficar(drawing, bench_.boxes(), handlers().window(), handlers().instant());
    drawing.updateRgba();
    // RGBA in memory order, as the page's canvas takes it.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(drawing.rgba().data());
    const std::vector<std::uint8_t> rgba(bytes,
                                         bytes + drawing.rgba().size() * sizeof(std::uint32_t));
    return pngOf(static_cast<std::size_t>(kDrawingWidth), static_cast<std::size_t>(kDrawingHeight),
                 PngColour::Rgba, rgba);
}

// While the picture is stale the boxes are drawn first, so that a box that
// holds no number is told as a redraw tells it.
WebBench::Outcome WebBench::startSound() {
    return guarded([this] {
        if (!handlers().shownValues()) {
            handlers().Box_Enter();
        }
        bench_.startSound();
    });
}

emscripten::val WebBench::soundSamples(std::size_t count) {
    const std::vector<float> samples = bench_.soundSamples(count);
    const emscripten::val view(emscripten::typed_memory_view(samples.size(), samples.data()));
    return view.call<emscripten::val>("slice");
}

emscripten::val WebBench::savedBytes() const {
    const emscripten::val view(emscripten::typed_memory_view(saved_.size(), saved_.data()));
    return view.call<emscripten::val>("slice");
}

std::string WebBench::link(const std::string& address) {
    try {
        return bench_.menuText("CopiarEnlace", address).value_or(std::string());
    } catch (const Error&) {
        return {};
    }
}

WebBench::Outcome WebBench::redrawNow() {
    return guarded([this] { handlers().Box_Enter(); });
}

// The one place where errors stop: the page shows the message and gives the
// box to correct the focus. What was drawn before the error stays.
template <class Handler> WebBench::Outcome WebBench::guarded(Handler&& handler) {
    Outcome outcome;
    try {
        bench_.run(std::forward<Handler>(handler));
    } catch (const std::exception& failure) {
        UserMessage message = userMessageOf(failure);
        outcome = {std::move(message.text), message.box ? nameOf(*message.box) : std::string(), {}};
    }
    return outcome;
}

std::string WebBench::text(Parameter box) const {
    return page_.call<std::string>("text", nameOf(box));
}

void WebBench::setText(Parameter box, const std::string& text) {
    page_.call<void>("setText", nameOf(box), text);
}

bool WebBench::isPanelShown(Panel panel) const {
    return page_.call<bool>("isShown", nameOf(panel));
}

void WebBench::showPanel(Panel panel) {
    page_.call<void>("show", nameOf(panel));
}

void WebBench::hidePanel(Panel panel) {
    page_.call<void>("hide", nameOf(panel));
}

void WebBench::placePanel(Panel panel, const PanelGeometry& geometry) {
    page_.call<void>("place", nameOf(panel), geometry.left, geometry.top, geometry.width,
                     geometry.height);
}

void WebBench::setPanelText(Panel panel, const std::string& text) {
    page_.call<void>("setText", nameOf(panel), text);
}

// A frame mostly measures what the last one did: the page's readout is
// touched only when a line changed. Its columns are laid out as the window's.
void WebBench::setMeasurements(const std::vector<std::string>& lines) {
    if (lines == measurements_) {
        return;
    }
    measurements_ = lines;
    std::string shown;
    for (const std::string& line : lines) {
        shown += (shown.empty() ? "" : "\n") + line;
    }
    const ReadoutLayout layout = readoutLayout(lines.size());
    page_.call<void>("setMeasurements", shown, layout.rows, layout.columnGap);
}

void WebBench::setBoxHidden(Parameter box, bool hidden) {
    page_.call<void>("setBoxHidden", nameOf(box), hidden);
}

void WebBench::showExercise(const ExerciseView& view) {
    emscripten::val shown = emscripten::val::object();
    shown.set("question", view.question);
    shown.set("verdict", view.verdict);
    const auto judged = [&view] {
        if (!view.judged) {
            return "";
        }
        return *view.judged == Verdict::Correct ? "correct" : "incorrect";
    };
    shown.set("judged", std::string(judged()));
    shown.set("solutionOffered", view.solutionOffered);
    shown.set("solutionShown", view.solutionShown);
    page_.call<void>("showExercise", shown);
}

std::string WebBench::answerText() const {
    return page_.call<std::string>("answerText");
}

void WebBench::showLanguage() {
    page_.call<void>("showLanguage");
}

void WebBench::describe(const std::string& sentence) {
    page_.call<void>("describe", sentence);
}

// A browser shows one frame at a time: the pixels of however many redraws
// come within one are converted and painted once, when the page shows it.
void WebBench::present() {
    page_.call<void>("present");
}

// Only the rows that changed go to the page; a redraw that changed nothing
// shows nothing new.
void WebBench::showChanges() {
    const WebCanvas::Rows rows = canvas_->updateRgba();
    if (rows.top > rows.bottom) {
        return;
    }
    const std::vector<std::uint32_t>& rgba = canvas_->rgba();
    const emscripten::val bytes(emscripten::typed_memory_view(
        rgba.size() * sizeof(std::uint32_t), reinterpret_cast<const std::uint8_t*>(rgba.data())));
    const PixelBuffer& pixels = canvas_->pixels();
    page_.call<void>("paint", bytes, pixels.width(), pixels.height(), rows.top,
                     rows.bottom - rows.top + 1, kDrawingWidth, kDrawingHeight);
}

WebBench::Outcome WebBench::showAgain() {
    return guarded([this] {
        canvas_->forgetShown();
        showChanges();
    });
}

WebBench::Outcome WebBench::rescale(double scale) {
    return guarded([this, scale] {
        scale_ = scale;
        canvas_ = std::make_unique<WebCanvas>(kDrawingWidth, kDrawingHeight, page_, scale);
        for (auto& [kind, panel] : panels_) {
            const std::optional<PanelPicture> picture = panelPicture(kind);
            panel.canvas =
                std::make_unique<WebCanvas>(picture->width, picture->height, page_, scale);
        }
        handlers().Box_Enter();
    });
}

} // namespace amsim

namespace {

amsim::WebBench* makeBench(emscripten::val page, const std::string& decimalSeparator,
                           const std::string& exponent, double scale) {
    return new amsim::WebBench(std::move(page), amsim::NumberFormat{decimalSeparator, exponent},
                               scale);
}

std::string drawingName() {
    return std::string(amsim::catalogueText("drawing.name"));
}

// The menu's items, in order, as {name, text, saves, done, close, dialog}.
emscripten::val menuItems() {
    emscripten::val items = emscripten::val::array();
    for (const amsim::MenuItem& item : amsim::kMenuItems) {
        emscripten::val shown = emscripten::val::object();
        shown.set("name", std::string(item.name));
        shown.set("text", std::string(amsim::catalogueText(item.text)));
        shown.set("saves", item.saves != amsim::SavedFile::None);
        shown.set("done", item.done.isNone() ? std::string()
                                             : std::string(amsim::catalogueText(item.done)));
        // A panel item's panel and a dialog item's dialog close with a button
        // of this text.
        shown.set("close",
                  item.panel != amsim::PanelKind::None || item.dialog != amsim::DialogKind::None
                      ? std::string(amsim::catalogueText("panel.close"))
                      : std::string());
        // A dialog item opens the page's dialog of that kind.
        const auto dialog = [&item] {
            switch (item.dialog) {
            case amsim::DialogKind::CreateExercise:
                return "createExercise";
            case amsim::DialogKind::Exercises:
                return "exercises";
            case amsim::DialogKind::Languages:
                return "languages";
            case amsim::DialogKind::None:
                break;
            }
            return "";
        };
        shown.set("dialog", std::string(dialog()));
        items.call<void>("push", shown);
    }
    return items;
}

} // namespace

EMSCRIPTEN_BINDINGS(amsim) {
    using amsim::WebBench;
    emscripten::value_object<WebBench::Outcome>("Outcome")
        .field("message", &WebBench::Outcome::message)
        .field("box", &WebBench::Outcome::box)
        .field("text", &WebBench::Outcome::text);
    emscripten::class_<WebBench>("Bench")
        .constructor(&makeBench, emscripten::allow_raw_pointers())
        .function("start", &WebBench::start)
        .function("click", &WebBench::click)
        .function("enter", &WebBench::enter)
        .function("arrowKey", &WebBench::arrowKey)
        .function("stepToolTip", &WebBench::stepToolTip)
        .function("menu", &WebBench::menu)
        .function("createExercise", &WebBench::createExercise)
        .function("openExercise", &WebBench::openExercise)
        .function("hideableParameters", &WebBench::hideableParameters)
        .function("save", &WebBench::save)
        .function("savedBytes", &WebBench::savedBytes)
        .function("chooseLanguage", &WebBench::chooseLanguage)
        .function("openPanel", &WebBench::openPanel)
        .function("closePanel", &WebBench::closePanel)
        .function("startSound", &WebBench::startSound)
        .function("stopSound", &WebBench::stopSound)
        .function("soundSamples", &WebBench::soundSamples)
        .function("link", &WebBench::link)
        .function("frame", &WebBench::frame)
        .function("isLive", &WebBench::isLive)
        .function("paused", &WebBench::paused)
        .function("instant", &WebBench::instant)
        .function("redraw", &WebBench::redrawNow)
        .function("showChanges", &WebBench::showChanges)
        .function("showAgain", &WebBench::showAgain)
        .function("rescale", &WebBench::rescale);
    emscripten::function("drawingName", &drawingName);
    emscripten::function("menuItems", &menuItems);
    emscripten::function("exerciseQuestions", &amsim::exerciseQuestions);
    emscripten::function("builtInExercises", &amsim::builtInExerciseList);
    emscripten::function("exerciseTexts", &amsim::exerciseTexts);
    emscripten::constant("confirmationMilliseconds", amsim::kConfirmationMilliseconds);
    emscripten::constant("readoutTop", amsim::kReadoutTop);
    emscripten::constant("readoutLeft", amsim::kReadoutLeft);
}
