#pragma once

#include "core/WindowValues.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/NumberText.h"
#include "params/StepRules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// Where a shown panel lies: over most of the traces, below the title strip,
// leaving the picture, the controls and the spectra in view.
inline constexpr PanelGeometry kShownPanel{20, 24, 600, 665};

// The window's event handlers, written once for every front end: load,
// activation and the click of each of the fourteen buttons. They change the
// controls only through Controls and throw amsim::Error, which each front
// end catches at its own event boundary.
// The readout's one line while the picture is blank or stale: "Sin medidas:
// corrija «V(cc)»" when a box is to blame.
std::string noMeasurements(std::optional<Parameter> culprit);

class Handlers {
public:
    Handlers(Controls& controls, NumberFormat format);

    // The start values, and the two values every drawing step reads.
    void Form_Load();
    // The first picture.
    void Form_Activate();

    void ModulanteSubir_Click() { step(kModulanteSubir); }
    void ModulanteBajar_Click() { step(kModulanteBajar); }
    void VccSubir_Click() { step(kVccSubir); }
    void VccBajar_Click() { step(kVccBajar); }
    void FaseSubir_Click() { step(kFaseSubir); }
    void FaseBajar_Click() { step(kFaseBajar); }
    void BliSi_Click() { toggleSwitch(Parameter::BliSiNo); }
    void BlsSi_Click() { toggleSwitch(Parameter::BlsSiNo); }
    void EnvelopeToggle_Click() { toggleSwitch(Parameter::Envelope); }
    void RuidoSubir_Click() { stepRuido(true); }
    void RuidoBajar_Click() { stepRuido(false); }
    void EscalasSi_Click() { toggleSwitch(Parameter::Escalas); }
    void Ayuda_Click() { showOrHidePanel(Panel::Help); }
    void Acerca_Click() { showOrHidePanel(Panel::About); }

    // Enter in a parameter box: the picture at once from the texts as typed.
    // Also what a front end runs to draw again for a reason of its own.
    void Box_Enter();

    // The click handler of the button with this name, for a front end that
    // routes clicks by the control's name; nothing for any other name.
    using Click = void (Handlers::*)();
    static std::optional<Click> clickOf(std::string_view button);
    // What the Up or Down arrow does in a box: its step button's click, or
    // its switch's in a box that holds a switch.
    static Click arrowKeyOf(Parameter box, bool up);

    const WindowValues& window() const { return window_; }
    const NumberFormat& format() const { return format_; }

private:
    void redraw();
    // Runs the change, then the redraw; when either throws, the readout
    // says it has no measurements before the error goes on.
    template <class Change> void changeAndRedraw(Change&& change);
    void step(const StepRule& rule);
    void stepRuido(bool up);
    // The sí/no of a sideband box, of the envelope detector's or of the scales'.
    void toggleSwitch(Parameter box);
    void showOrHidePanel(Panel panel);

    Controls& controls_;
    NumberFormat format_;
    BoxReader reader_;
    WindowValues window_;
};

// A button of the bench: the name of its control and its click handler.
struct Button {
    std::string_view name;
    Handlers::Click click;
};

// Every button, in the order of the bench's rows.
inline constexpr std::array<Button, 14> kButtons{{
    {"ModulanteSubir", &Handlers::ModulanteSubir_Click},
    {"ModulanteBajar", &Handlers::ModulanteBajar_Click},
    {"VccSubir", &Handlers::VccSubir_Click},
    {"VccBajar", &Handlers::VccBajar_Click},
    {"FaseSubir", &Handlers::FaseSubir_Click},
    {"FaseBajar", &Handlers::FaseBajar_Click},
    {"BliSi", &Handlers::BliSi_Click},
    {"BlsSi", &Handlers::BlsSi_Click},
    {"Ayuda", &Handlers::Ayuda_Click},
    {"Acerca", &Handlers::Acerca_Click},
    {"EnvelopeToggle", &Handlers::EnvelopeToggle_Click},
    {"EscalasSi", &Handlers::EscalasSi_Click},
    {"RuidoSubir", &Handlers::RuidoSubir_Click},
    {"RuidoBajar", &Handlers::RuidoBajar_Click},
}};

constexpr bool buttonNamesAreDistinct() {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kButtons.at(i).name == kButtons.at(j).name) {
                return false;
            }
        }
    }
    return true;
}
static_assert(buttonNamesAreDistinct(), "a click is found by its button's name");

} // namespace amsim
