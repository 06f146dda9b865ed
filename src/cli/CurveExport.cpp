#include "cli/CurveExport.h"

#include "app/WindowFiles.h"
#include "cli/CliErrors.h"
#include "files/QuotedName.h"
#include "params/PanelPictures.h"
#include "params/SnrCurvePanel.h"
#include "signals/SnrCurve.h"
#include "texts/Catalogue.h"

#include <string>
#include <vector>

namespace amsim {

void requireCurveName(const QString& path) {
    const QByteArray format = formatOfName(path);
    if (format != "csv" && format != "png" && format != "svg") {
        throw CommandLineError(filled("cli.curveName", {{"name", quotedName(path)}}));
    }
}

QByteArray curveFile(const QString& path, ParameterReader& boxes, double instant) {
    requireCurveName(path);
    const ParameterValues setting =
        valuesOf([&boxes](Parameter parameter) { return boxes.read(parameter); });
    // Measured whole first: the panel's drawing measures a point at a time.
    const std::vector<SnrPoint> points = measuredSnrCurve(setting);
    const QByteArray format = formatOfName(path);
    if (format != "csv") {
        return panelPictureBytes(*panelPicture(PanelKind::SnrCurve), boxes, instant, format);
    }
    const std::string text = snrCurveCsv(points);
    return {text.data(), static_cast<qsizetype>(text.size())};
}

} // namespace amsim
