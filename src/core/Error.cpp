#include "core/Error.h"

#include "core/VisibleText.h"

namespace amsim {

namespace {

std::string tooLargeMessage(Parameter parameter, const std::string& text) {
    return "El valor de " + quotedLabel(parameter) + " es demasiado grande: " + quotedText(text) +
           ". Escriba un número menor.";
}

} // namespace

Error::Error(Kind kind, std::optional<Parameter> parameter, const std::string& message)
    : std::runtime_error(message)
    , kind_(kind)
    , parameter_(parameter) {}

Error::Error(const std::string& message)
    : Error(Kind::Outside, std::nullopt, message) {}

Error Error::notANumber(Parameter parameter, const std::string& text, const std::string& hint) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return {Kind::NotANumber, parameter,
                "El valor de " + quotedLabel(parameter) + " está vacío: escriba un número."};
    }
    return {Kind::NotANumber, parameter,
            "El valor de " + quotedLabel(parameter) + " no es un número: " + quotedText(text) +
                (hint.empty() ? "" : "; " + hint) + "."};
}

Error Error::tooLarge(Parameter parameter, const std::string& text) {
    return {Kind::OutOfRange, parameter, tooLargeMessage(parameter, text)};
}

Error Error::tooSmall(Parameter parameter, const std::string& text) {
    return {Kind::OutOfRange, parameter,
            "El valor de " + quotedLabel(parameter) + " es demasiado pequeño: " + quotedText(text) +
                ". Escriba 0 o un número mayor."};
}

Error Error::outsideLimits(Parameter parameter, const std::string& text,
                           const std::string& allowed) {
    return {Kind::OutOfRange, parameter,
            "El valor de " + quotedLabel(parameter) +
                " está fuera de sus límites: " + quotedText(text) + ". Escriba " + allowed + "."};
}

// A step from a number at the very edge of the range is told as the number
// itself would be: too large.
Error Error::overflow(Parameter parameter, const std::string& text) {
    return {Kind::Overflow, parameter, tooLargeMessage(parameter, text)};
}

Error Error::overflowWhileDrawing(std::optional<Parameter> culprit) {
    if (culprit) {
        return {Kind::TooLargeToDraw, culprit,
                "Desbordamiento: con el valor de " + quotedLabel(*culprit) +
                    " el dibujo no se puede calcular, porque algún resultado es demasiado "
                    "grande. Queda a la vista lo dibujado hasta ese punto; escriba un valor "
                    "menor."};
    }
    return {Kind::TooLargeToDraw, std::nullopt,
            "Desbordamiento: con estos valores el dibujo no se puede calcular, porque algún "
            "resultado es demasiado grande. Queda a la vista lo dibujado hasta ese punto; "
            "escriba valores menores."};
}

Error Error::drawingFailed() {
    return {Kind::DrawingFailed, std::nullopt,
            "No se pudo dibujar en la ventana. Queda a la vista lo dibujado hasta ese punto."};
}

} // namespace amsim
