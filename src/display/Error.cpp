#include "display/Error.h"

namespace amsim {

namespace {

std::string quotedLabel(Parameter parameter) {
    return "«" + std::string(parameterLabel(parameter)) + "»";
}

} // namespace

Error::Error(Kind kind, std::optional<Parameter> parameter, const std::string& message)
    : std::runtime_error(message)
    , kind_(kind)
    , parameter_(parameter) {}

Error Error::notANumber(Parameter parameter, const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return {Kind::NotANumber, parameter,
                "El valor de " + quotedLabel(parameter) + " está vacío: escriba un número."};
    }
    return {Kind::NotANumber, parameter,
            "El valor de " + quotedLabel(parameter) + " no es un número: «" + text + "»."};
}

Error Error::overflow(Parameter parameter, const std::string& text) {
    return {Kind::Overflow, parameter,
            "El valor de " + quotedLabel(parameter) + " es demasiado grande: «" + text +
                "». Escriba un número menor."};
}

Error Error::overflowWhileDrawing() {
    return {Kind::Overflow, std::nullopt,
            "Desbordamiento: con estos valores el dibujo no se puede calcular, porque algún "
            "resultado es demasiado grande. Queda a la vista lo dibujado hasta ese punto; "
            "escriba valores menores."};
}

Error Error::drawingFailed() {
    return {Kind::DrawingFailed, std::nullopt,
            "No se pudo dibujar en la ventana. Queda a la vista lo dibujado hasta ese punto."};
}

Error Error::commandLine(const std::string& message) {
    return {Kind::CommandLine, std::nullopt,
            message + " Escriba «amsim --help» para ver las opciones."};
}

Error Error::writeFailed(const std::string& path) {
    return {Kind::WriteFailed, std::nullopt,
            "No se pudo escribir el archivo «" + path +
                "»: compruebe que la carpeta existe y que se puede escribir en ella."};
}

} // namespace amsim
