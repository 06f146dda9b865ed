#include "params/SettingText.h"

#include "core/ParameterValues.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/ExerciseCode.h"
#include "signals/Mode.h"

#include <algorithm>
#include <cctype>

namespace amsim {

namespace {

// Everything but letters, digits and "-._~" as %XX, so that a "+" in an
// exponent never reads as a blank.
std::string percentEncoded(std::string_view text) {
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex.at(byte >> 4U);
            encoded += kHex.at(byte & 0xFU);
        }
    }
    return encoded;
}

// The language goes with a link or a command where it is not Spanish, the
// language a bench starts in.
std::string languageQuery() {
    return languageInUse() == catalogues().front().language
               ? std::string()
               : std::string(kLanguageOption) + "=" + std::string(languageInUse());
}

std::string languageArgument() {
    return languageInUse() == catalogues().front().language
               ? std::string()
               : " --" + std::string(kLanguageOption) + " " + std::string(languageInUse());
}

// Two parts of a query, either of them empty.
std::string joinedQuery(const std::string& first, const std::string& second) {
    return first.empty() || second.empty() ? first + second : first + "&" + second;
}

bool hidesValues(const MenuContext& context) {
    return context.exercise && context.exercise->hidden.any();
}

std::string copyLink(const MenuContext& context) {
    return hidesValues(context) ? exerciseLink(context.page, *context.exercise, context.instant)
                                : settingLink(context.page, context.boxes, context.instant);
}

std::string copyCommand(const MenuContext& context) {
    return hidesValues(context)
               ? exerciseCommand(*context.exercise, context.format, context.instant)
               : settingCommand(context.boxes, context.format, context.instant);
}

// The page's address with a query of its own after any it holds, before
// its fragment.
std::string withQuery(std::string_view page, const std::string& query) {
    const std::size_t fragment = std::min(page.find('#'), page.size());
    const std::string_view address = page.substr(0, fragment);
    const char joint = address.find('?') == std::string_view::npos ? '?' : '&';
    return std::string(address) + joint + query + std::string(page.substr(fragment));
}

const MenuItem* menuItemNamed(std::string_view item) {
    const auto* const found = std::find_if(kMenuItems.begin(), kMenuItems.end(),
                                           [item](const MenuItem& m) { return m.name == item; });
    return found == kMenuItems.end() ? nullptr : found;
}

} // namespace

constinit const std::array<MenuItem, 11> kMenuItems{{
    {"CopiarEnlace", "menu.CopiarEnlace", &copyLink, SavedFile::None, "menu.CopiarEnlace.done"},
    {"CopiarOrden", "menu.CopiarOrden", &copyCommand, SavedFile::None, "menu.CopiarOrden.done"},
    {"GuardarImagen", "menu.GuardarImagen", nullptr, SavedFile::Image, "menu.saved"},
    {"GuardarDatos", "menu.GuardarDatos", nullptr, SavedFile::Data, "menu.saved"},
    {"GuardarSonido", "menu.GuardarSonido", nullptr, SavedFile::Sound, "menu.saved"},
    {"GuardarEspectro", "menu.GuardarEspectro", nullptr, SavedFile::Spectrum, "menu.saved"},
    {"CurvaSN", "menu.CurvaSN", nullptr, SavedFile::None, TextKey::none(), PanelKind::SnrCurve},
    {"VistaIQ", "menu.VistaIQ", nullptr, SavedFile::None, TextKey::none(), PanelKind::IqView},
    {"CrearEjercicio", "menu.CrearEjercicio", nullptr, SavedFile::None, TextKey::none(),
     PanelKind::None, DialogKind::CreateExercise},
    {"Ejercicios", "menu.Ejercicios", nullptr, SavedFile::None, TextKey::none(), PanelKind::None,
     DialogKind::Exercises},
    {"Idioma", "menu.Idioma", nullptr, SavedFile::None, TextKey::none(), PanelKind::None,
     DialogKind::Languages},
}};

std::string settingQuery(ParameterReader& boxes, std::optional<double> instant) {
    std::string query;
    for (const Parameter parameter : kAllParameters) {
        const double value = boxes.read(parameter);
        if (isNamed(parameter, value)) {
            query += (query.empty() ? "" : "&") + std::string(optionOf(parameter)) + "=" +
                     percentEncoded(numberToText(value, pointFormat()));
        }
    }
    if (instant) {
        query += "&" + std::string(kInstantOption) + "=" +
                 percentEncoded(numberToText(*instant, pointFormat()));
    }
    return query;
}

std::string settingLink(std::string_view page, ParameterReader& boxes,
                        std::optional<double> instant) {
    return withQuery(page, joinedQuery(settingQuery(boxes, instant), languageQuery()));
}

std::string exerciseLink(std::string_view page, const Exercise& exercise,
                         std::optional<double> instant) {
    std::string query = std::string(kExerciseOption) + "=" + exerciseCode(exercise);
    if (instant) {
        query += "&" + std::string(kInstantOption) + "=" +
                 percentEncoded(numberToText(*instant, pointFormat()));
    }
    return withQuery(page, joinedQuery(query, languageQuery()));
}

std::string exerciseCommand(const Exercise& exercise, const NumberFormat& format,
                            std::optional<double> instant) {
    std::string command = "amsim --" + std::string(kExerciseOption) + " " + exerciseCode(exercise);
    if (instant) {
        command += " --" + std::string(kInstantOption) + " " + numberToText(*instant, format);
    }
    return command + languageArgument();
}

std::string settingCommand(ParameterReader& boxes, const NumberFormat& format,
                           std::optional<double> instant) {
    std::string command = "amsim";
    for (const Parameter parameter : kAllParameters) {
        const double value = boxes.read(parameter);
        if (isNamed(parameter, value)) {
            command += " --" + std::string(optionOf(parameter)) + " " + numberToText(value, format);
        }
    }
    if (instant) {
        command += " --" + std::string(kInstantOption) + " " + numberToText(*instant, format);
    }
    return command + languageArgument();
}

std::string boxTextOfAddress(std::string_view given, const NumberFormat& format) {
    if (textToNumber(given, format)) {
        return std::string(given);
    }
    if (const std::optional<double> value = textToNumber(given, pointFormat())) {
        return numberToText(*value, format);
    }
    return std::string(given);
}

std::optional<std::string> menuClipboardText(std::string_view item, const MenuContext& context) {
    const MenuItem* const found = menuItemNamed(item);
    if (found == nullptr || found->clipboard == nullptr) {
        return std::nullopt;
    }
    return found->clipboard(context);
}

SavedFile savedFileOf(std::string_view item) {
    const MenuItem* const found = menuItemNamed(item);
    return found == nullptr ? SavedFile::None : found->saves;
}

PanelKind panelOf(std::string_view item) {
    const MenuItem* const found = menuItemNamed(item);
    return found == nullptr ? PanelKind::None : found->panel;
}

DialogKind dialogOf(std::string_view item) {
    const MenuItem* const found = menuItemNamed(item);
    return found == nullptr ? DialogKind::None : found->dialog;
}

std::string savedFileName(SavedFile file, ParameterReader& boxes) {
    const std::string mode = modeWordOf(
        componentsOf(valuesOf([&boxes](Parameter parameter) { return boxes.read(parameter); })));
    switch (file) {
    case SavedFile::Image:
        return "amsim-" + mode + ".png";
    case SavedFile::Data:
        return "amsim-" + mode + ".csv";
    case SavedFile::Sound:
        return "amsim-" + mode + ".wav";
    case SavedFile::Spectrum:
        return "amsim-" + mode + "-espectro.csv";
    case SavedFile::None:
        break;
    }
    return "amsim-" + mode;
}

} // namespace amsim
