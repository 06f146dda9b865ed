#include "cli/Measurements.h"

#include "app/DesignFonts.h"
#include "app/LocaleFormat.h"
#include "cli/FactorOption.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"
#include "params/Handlers.h"
#include "params/MemoryControls.h"
#include "params/ParameterSummary.h"
#include "qtcanvas/QtRasterCanvas.h"

#include <QLocale>

namespace amsim {

QStringList measurementLinesOf(const CommandLine& commandLine) {
    // The drawing is made in memory, for the readout alone.
    QtRasterCanvas drawing(QSize(kDrawingWidth, kDrawingHeight), windowFont(), QColor(Qt::black));
    MemoryControls controls(drawing);
    Handlers handlers(controls, numberFormatOf(QLocale::system()),
                      BenchClock::standingAt(instantOption(commandLine.instantText)));
    handlers.Form_Load();
    for (const Parameter parameter : kAllParameters) {
        if (const std::optional<QString> text = commandLine.text(parameter)) {
            controls.setText(parameter, text->toStdString());
        }
    }
    handlers.Form_Activate();
    BoxReader reader([&controls](Parameter box) { return controls.text(box); }, handlers.format());
    const ParameterValues values = valuesOf([&reader](Parameter box) { return reader.read(box); });
    QStringList shown{QString::fromStdString(valuesLine(values, handlers.format()))};
    for (const std::string& line : controls.readout()) {
        shown << QString::fromStdString(line);
    }
    return shown;
}

} // namespace amsim
