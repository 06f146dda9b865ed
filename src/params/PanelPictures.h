#pragma once

#include "canvas/Canvas.h"
#include "core/Parameters.h"
#include "params/SettingText.h"

#include <array>
#include <optional>

namespace amsim {

// The picture a panel of the menu shows: its extent in positions and what
// draws it from the parameters at the bench's instant (seconds). Every front
// end shows it, and the command line exports it, from this table alone: a
// new panel is its row here and its menu item.
struct PanelPicture {
    PanelKind kind;
    int width;
    int height;
    void (*draw)(Canvas& canvas, ParameterReader& parameters, double instant);
    // Whether its picture is still being measured, a part at each drawing;
    // none for a picture drawn whole at once.
    bool (*measuring)() = nullptr;
};

// Constant-initialized where it is defined (constinit).
extern const std::array<PanelPicture, 2>
    kPanelPictures; // NOLINT(bugprone-dynamic-static-initializers)

// The picture of that kind; none for PanelKind::None.
std::optional<PanelPicture> panelPicture(PanelKind kind);

} // namespace amsim
