#include "params/PanelPictures.h"

#include "display/IqView.h"
#include "display/SnrCurvePlot.h"
#include "params/SnrCurvePanel.h"

#include <algorithm>

namespace amsim {

constinit const std::array<PanelPicture, 2> kPanelPictures{{
    {PanelKind::SnrCurve, kSnrCurveWidth, kSnrCurveHeight, &drawSnrCurvePanel, &snrCurveMeasuring},
    {PanelKind::IqView, kIqViewWidth, kIqViewHeight, &drawIqView},
}};

std::optional<PanelPicture> panelPicture(PanelKind kind) {
    const auto* const found =
        std::find_if(kPanelPictures.begin(), kPanelPictures.end(),
                     [kind](const PanelPicture& picture) { return picture.kind == kind; });
    return found == kPanelPictures.end() ? std::nullopt : std::optional(*found);
}

} // namespace amsim
