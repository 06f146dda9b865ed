#pragma once

#include "WebCanvas.h"
#include "flows/Bench.h"
#include "params/Controls.h"

#include <cstdint>
#include <emscripten/val.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace amsim {

// The page's bench: the shared handlers over the page's controls, and the
// event boundary where every error becomes a message for the page.
//
// The page is a JavaScript object that shows what the handlers decide:
//   text(id), setText(id, text)        the boxes' and panels' texts; text
//                                      gives the UTF-8 bytes (a Uint8Array)
//   isShown(id), show(id), hide(id)    the panels; show brings one in front
//   place(id, left, top, width, height)
//   describe(sentence)                 the drawing's description
//   setMeasurements(lines, rows, gap)  the readout beside the picture, its
//                                      lines in one text, a newline apart, in
//                                      columns of rows lines, gap positions
//                                      apart
//   present()                          the drawing changed: the page asks for
//                                      its pixels (showChanges) when it shows
//                                      its next frame
//   paint(rgba, width, height, top, rows, positionsWide, positionsHigh)
//                                      the drawing's pixels (width x height,
//                                      at the device pixel ratio) of which
//                                      the rows from top on changed, and its
//                                      size on the page
//   paintPanel(name, rgba, width, height, top, rows, positionsWide,
//              positionsHigh)          the same for the picture of the open
//                                      panel of the menu item of that name
//   setBoxHidden(id, hidden)           an exercise's hidden box: "?", and
//                                      neither typing nor its step buttons
//   showExercise(view)                 the exercise area under the readout:
//                                      {question, verdict, judged ("correct",
//                                      "incorrect" or ""), solutionOffered,
//                                      solutionShown}; no question hides it
//   answerText()                       the answer as typed, as UTF-8 bytes
//   showLanguage()                     the user chose another language:
//                                      the page relabels itself from the
//                                      engine and keeps the choice
//   letters(text, scale)               see WebCanvas
class WebBench : private Controls {
public:
    // What one event leaves for the page to tell the user: an error's
    // message and the name of the box to correct, both empty when all went
    // well; and for a menu item, the text for the clipboard.
    struct Outcome {
        std::string message;
        std::string box;
        std::string text;
    };

    // The drawing is made at the screen's device pixel ratio (scale).
    WebBench(emscripten::val page, NumberFormat format, double scale);

    // Load, then activation: the start values, replaced by those the page's
    // address gives (given.get("mdl"), …, as UTF-8 bytes; null where it
    // gives none) with a point or in the page's notation, and the first
    // picture, which checks them as it checks typed ones. given.get("tiempo")
    // is the instant, written the same ways, at which the time stands still;
    // a text that is no such instant is told, and the bench starts at 0.
    Outcome start(const emscripten::val& given);
    // The click handler of the named button.
    Outcome click(const std::string& button);
    // Enter in a box: the picture at once from the texts as typed.
    Outcome enter();
    // Up or Down in the named box: what its step buttons or switch do.
    Outcome arrowKey(const std::string& box, bool up);
    // The step button's tooltip in the page's notation; empty for other buttons.
    std::string stepToolTip(const std::string& button) const;
    // The named menu item's text for the clipboard; `address` is the page's
    // own address without the setting.
    Outcome menu(const std::string& item, const std::string& address);
    // An exercise of the setting on screen: the boxes to hide by their
    // options ("mdl,fase"), the question's name (empty: the first hidden
    // value's) and the tolerance as typed (empty: the question's own); the
    // outcome's text is the link, a newline, and the command.
    Outcome createExercise(const std::string& hidden, const std::string& question,
                           const std::string& tolerance, const std::string& address);
    // The named built-in exercise from the seed as typed (empty: a fresh one).
    Outcome openExercise(const std::string& name, const std::string& seed);
    // The parameters the teacher may hide, those hidden now ticked.
    emscripten::val hideableParameters() const;
    // The named saving item: the setting in the boxes drawn, then the file
    // made in memory for savedBytes; the outcome's text is the name it is
    // offered under ("amsim-am.csv").
    Outcome save(const std::string& item);
    // The language of that tag (UTF-8 bytes) in use, and everything on the
    // page in it.
    Outcome chooseLanguage(const std::string& language);
    // The named panel item's panel opened, and everything redrawn into it;
    // closed, it is no longer drawn.
    Outcome openPanel(const std::string& item);
    void closePanel(const std::string& item);
    // The last saved file's bytes, a Uint8Array of its own.
    emscripten::val savedBytes() const;
    // Running time: while the bench is live, the page calls frame at every
    // frame of its display; after every event it asks again.
    Outcome frame();
    bool isLive() const { return bench_.handlers().isLive(); }
    bool paused() const { return bench_.handlers().paused(); }
    // The instant on screen, in seconds.
    double instant() const { return bench_.handlers().instant(); }
    // The sound of the setting on screen, from the instant on screen, in
    // samples at 48 kHz that the page only schedules; the bench's generator
    // follows the setting on screen.
    Outcome startSound();
    void stopSound() { bench_.stopSound(); }
    // The next count samples, a Float32Array of its own; empty when off.
    emscripten::val soundSamples(std::size_t count);
    // The page's address for the setting in the boxes, with the instant
    // while the time stands still, or nothing while a box holds no number.
    std::string link(const std::string& address);
    // The redraw alone, as after a change.
    Outcome redrawNow();
    // The pixels that changed since the drawing was last shown, to the
    // page's paint; nothing when none did.
    void showChanges();
    // The whole drawing once more, as when the page's canvas lost it.
    Outcome showAgain();
    // The drawing made anew at another device pixel ratio, as when the page
    // moves to another screen or is zoomed.
    Outcome rescale(double scale);

private:
    std::string text(Parameter box) const override;
    void setText(Parameter box, const std::string& text) override;
    bool isPanelShown(Panel panel) const override;
    void showPanel(Panel panel) override;
    void hidePanel(Panel panel) override;
    void placePanel(Panel panel, const PanelGeometry& geometry) override;
    void setPanelText(Panel panel, const std::string& text) override;
    void describe(const std::string& sentence) override;
    Canvas& canvas() override { return *canvas_; }
    void present() override;
    void setMeasurements(const std::vector<std::string>& lines) override;
    Canvas* panelCanvas(PanelKind kind) override;
    void presentPanel(PanelKind kind) override;
    void setBoxHidden(Parameter box, bool hidden) override;
    void showExercise(const ExerciseView& view) override;
    std::string answerText() const override;
    void showLanguage() override;

    template <class Handler> Outcome guarded(Handler&& handler);
    Handlers& handlers() { return bench_.handlers(); }
    std::vector<std::uint8_t> drawingPng();

    emscripten::val page_;
    double scale_;
    std::unique_ptr<WebCanvas> canvas_;
    // The open panels' canvases, with their items' names.
    struct OpenPanel {
        std::string item;
        std::unique_ptr<WebCanvas> canvas;
    };
    std::map<PanelKind, OpenPanel> panels_;
    Bench bench_;
    std::vector<std::uint8_t> saved_;
    std::vector<std::string> measurements_;
};

} // namespace amsim
