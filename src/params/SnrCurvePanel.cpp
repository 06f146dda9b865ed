#include "params/SnrCurvePanel.h"

#include "display/SnrCurvePlot.h"
#include "texts/Catalogue.h"

#include <mutex>
#include <optional>

namespace amsim {

std::vector<SnrPoint> measuredSnrCurve(const ParameterValues& setting) {
    static std::mutex mutex;
    static std::optional<ParameterValues> measured;
    static std::vector<SnrPoint> points;
    ParameterValues key = setting;
    key.ruido = 0.0;
    key.df = 0.0;
    key.envelope = 0.0;
    const std::scoped_lock lock(mutex);
    if (measured != key) {
        points = snrCurve(key);
        measured = key;
    }
    return points;
}

void drawSnrCurvePanel(Canvas& canvas, ParameterReader& parameters, double /*instant*/) {
    const ParameterValues setting =
        valuesOf([&parameters](Parameter parameter) { return parameters.read(parameter); });
    drawSnrCurve(canvas, measuredSnrCurve(setting), setting,
                 catalogueText("number.decimalSeparator"));
}

} // namespace amsim
