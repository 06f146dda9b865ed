#pragma once

#include "core/Parameters.h"
#include "params/Exercise.h"
#include "params/NumberText.h"
#include "texts/Catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// The bench's setting written out to be handed on: as the query of the
// page's address and as the command line that opens the window with it.
// Both name the values as the command line does (optionOf), and both read
// the boxes afresh: a box that holds no number throws its usual amsim::Error.

// "mdl=1&vcc=1&bli=1&bls=1&fase=0&env=0", then "&escalas=1" with the scales
// on, and so on for the noise and the frequency error when not 0; then
// "&tiempo=0.125" when an instant is given (a bench whose time stands
// still). An address is typed in no language: its numbers have a decimal
// point, which every browser reads.
std::string settingQuery(ParameterReader& boxes, std::optional<double> instant = std::nullopt);
// The page's address with the setting as its query; `page` may hold a query
// of its own already ("amsim.html?lang=es"), which the setting follows, and a
// fragment ("#tarea"), which stays at the end. A language other than Spanish
// follows the setting: "&idioma=en".
std::string settingLink(std::string_view page, ParameterReader& boxes,
                        std::optional<double> instant = std::nullopt);
// "amsim --mdl 1 --vcc 1 …", its numbers as the command line reads them in
// `format`, the regional settings it will run in; then "--tiempo 0,125"
// when an instant is given, and " --idioma en" in a language other than
// Spanish.
std::string settingCommand(ParameterReader& boxes, const NumberFormat& format,
                           std::optional<double> instant = std::nullopt);

// The option of the instant, on the command line and in the address.
inline constexpr std::string_view kInstantOption = "tiempo";
// The options of an exercise: its code or a built-in one's name, its seed,
// and the boxes to hide.
inline constexpr std::string_view kExerciseOption = "ejercicio";
// The language, where it is not Spanish: ?idioma=en, --idioma en.
inline constexpr std::string_view kLanguageOption = "idioma";
inline constexpr std::string_view kSeedOption = "semilla";
inline constexpr std::string_view kHiddenOption = "ocultar";

// The exercise's link: the page's address with "ejercicio=CODE" as its query
// (and the instant when one is given), and its command.
std::string exerciseLink(std::string_view page, const Exercise& exercise,
                         std::optional<double> instant = std::nullopt);
std::string exerciseCommand(const Exercise& exercise, const NumberFormat& format,
                            std::optional<double> instant = std::nullopt);

// What a box starts with when an address gives it `given`: the text itself
// when it reads in `format`, the box's notation; a number written with a
// point, as in any address, in that notation; anything else as it is, so
// that the first picture reports it as a typed text.
std::string boxTextOfAddress(std::string_view given, const NumberFormat& format);

// The menu that both editions open from their `Menu` button, in order. Each
// item is a control name, its text, either what it puts on the clipboard or
// the kind of file it saves of the setting on screen, and what the front end
// shows for a moment once it is done ("Enlace copiado"; a saving item's is
// followed by the file's name: "Guardado: amsim-am.png"); or, for a panel
// item, the panel it opens, titled with its text, and nothing when done.
struct MenuContext {
    std::string_view page; // the page's address without the setting
    ParameterReader& boxes;
    const NumberFormat& format;
    // The instant on screen while the bench's time stands still.
    std::optional<double> instant = std::nullopt;
    // The bench's exercise while it hides a value: then a link and a command
    // hand on the exercise's code, never the values.
    std::optional<Exercise> exercise = std::nullopt;
};

// What a saving item writes: the whole picture, the sampled signals (as
// --export-csv), the receiver's sound (as --export-wav) or the analyser's
// spectra (as --export-espectro).
enum class SavedFile { None, Image, Data, Sound, Spectrum };

// What a panel item opens: a panel of a picture of its own beside the bench,
// redrawn with it (params/PanelPictures.h).
enum class PanelKind { None, SnrCurve, IqView };

// What a dialog item opens: the teacher's dialog that makes an exercise of
// the bench, the list of the built-in exercises, or the languages to choose
// from (languageChoices).
enum class DialogKind { None, CreateExercise, Exercises, Languages };

struct MenuItem {
    std::string_view name;
    TextKey text;
    std::string (*clipboard)(const MenuContext& context); // null for a saving item
    SavedFile saves = SavedFile::None;
    TextKey done;
    PanelKind panel = PanelKind::None;
    DialogKind dialog = DialogKind::None;
};

// How long a front end shows an item's confirmation, in milliseconds.
inline constexpr int kConfirmationMilliseconds = 2000;

// Constant-initialized where it is defined (constinit), so no order of
// dynamic initialization can reach it.
extern const std::array<MenuItem, 11> kMenuItems; // NOLINT(bugprone-dynamic-static-initializers)

// What the item of that name puts on the clipboard; nothing for another
// name or for a saving item.
std::optional<std::string> menuClipboardText(std::string_view item, const MenuContext& context);

// What the item of that name saves; SavedFile::None for any other.
SavedFile savedFileOf(std::string_view item);
// What panel the item of that name opens; PanelKind::None for any other.
PanelKind panelOf(std::string_view item);
// What dialog the item of that name opens; DialogKind::None for any other.
DialogKind dialogOf(std::string_view item);

// The name a saved file is offered under: "amsim-<mode>.png", ".csv" or
// ".wav", the mode as modeWordOf writes it for the setting in the boxes.
// Throws amsim::Error for a box that holds no number.
std::string savedFileName(SavedFile file, ParameterReader& boxes);

} // namespace amsim
