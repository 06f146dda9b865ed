#include "params/SnrCurvePanel.h"

#include "display/SnrCurvePlot.h"
#include "texts/Catalogue.h"

#include <mutex>
#include <optional>

namespace amsim {

namespace {

// The curve being measured, and the setting it is of.
struct KeptCurve {
    std::mutex mutex;
    std::optional<ParameterValues> setting;
    std::optional<SnrCurve> curve;

    // Under the mutex.
    SnrCurve& of(const ParameterValues& values) {
        ParameterValues key = values;
        key.ruido = 0.0;
        key.df = 0.0;
        key.envelope = 0.0;
        if (setting != key) {
            curve.emplace(key);
            setting = key;
        }
        return *curve;
    }
};

KeptCurve& kept() {
    static KeptCurve curve;
    return curve;
}

} // namespace

std::vector<SnrPoint> measuredSnrCurve(const ParameterValues& setting) {
    KeptCurve& k = kept();
    const std::scoped_lock lock(k.mutex);
    SnrCurve& curve = k.of(setting);
    while (!curve.done()) {
        curve.measureNext();
    }
    return curve.points();
}

void drawSnrCurvePanel(Canvas& canvas, ParameterReader& parameters, double /*instant*/) {
    const ParameterValues setting =
        valuesOf([&parameters](Parameter parameter) { return parameters.read(parameter); });
    std::vector<SnrPoint> points;
    {
        KeptCurve& k = kept();
        const std::scoped_lock lock(k.mutex);
        SnrCurve& curve = k.of(setting);
        curve.measureNext();
        points = curve.points();
    }
    drawSnrCurve(canvas, points, setting, catalogueText("number.decimalSeparator"));
}

bool snrCurveMeasuring() {
    KeptCurve& k = kept();
    const std::scoped_lock lock(k.mutex);
    return k.curve && !k.curve->done();
}

} // namespace amsim
