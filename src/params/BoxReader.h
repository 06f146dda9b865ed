#pragma once

#include "display/Parameters.h"

#include <QLocale>
#include <QString>
#include <functional>

namespace amsim {

// Reads a parameter from the current text of its box, every time it is asked.
class BoxReader : public ParameterReader {
public:
    using TextOf = std::function<QString(Parameter)>;

    BoxReader(TextOf textOf, const QLocale& locale);

    double read(Parameter parameter) override;

private:
    TextOf textOf_;
    QLocale locale_;
};

// The text as a number, or amsim::Error naming the box and quoting the text.
double readBox(Parameter parameter, const QString& text, const QLocale& locale);

} // namespace amsim
