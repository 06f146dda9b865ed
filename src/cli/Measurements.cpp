#include "cli/Measurements.h"

#include "app/DesignFonts.h"
#include "app/LocaleFormat.h"
#include "cli/FactorOption.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/Handlers.h"
#include "params/ParameterSummary.h"
#include "qtcanvas/QtRasterCanvas.h"

#include <QLocale>
#include <array>

namespace amsim {

namespace {

// The window's boxes and readout without the window: the panels are never
// shown and the drawing is made in memory, for the readout alone.
class HeadlessControls final : public Controls {
public:
    std::string text(Parameter box) const override { return boxes_.at(index(box)); }
    void setText(Parameter box, const std::string& text) override { boxes_.at(index(box)) = text; }
    bool isPanelShown(Panel /*panel*/) const override { return false; }
    void showPanel(Panel /*panel*/) override {}
    void hidePanel(Panel /*panel*/) override {}
    void placePanel(Panel /*panel*/, const PanelGeometry& /*geometry*/) override {}
    void setPanelText(Panel /*panel*/, const std::string& /*text*/) override {}
    void describe(const std::string& /*sentence*/) override {}
    Canvas& canvas() override { return canvas_; }
    void present() override {}
    void setMeasurements(const std::vector<std::string>& lines) override { readout_ = lines; }

    const std::vector<std::string>& readout() const { return readout_; }

private:
    static std::size_t index(Parameter box) { return static_cast<std::size_t>(box); }

    std::array<std::string, kAllParameters.size()> boxes_;
    QtRasterCanvas canvas_{QSize(kDrawingWidth, kDrawingHeight), windowFont(), QColor(Qt::black)};
    std::vector<std::string> readout_;
};

} // namespace

QStringList measurementLinesOf(const CommandLine& commandLine) {
    HeadlessControls controls;
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
