#include "signals/Mode.h"

#include "texts/Catalogue.h"

namespace amsim {

Components componentsOf(const ParameterValues& values) {
    const bool tone = values.mdl != 0.0;
    return {values.Vcc != 0.0, tone && values.BliSiNo != 0.0, tone && values.BlsSiNo != 0.0};
}

std::string modeOfComponents(const Components& on) {
    if (on.lower && on.upper) {
        return std::string(on.carrier ? catalogueText("mode.am") : catalogueText("mode.dsb"));
    }
    if (on.lower || on.upper) {
        return filled("mode.ssb", {{"carrier", on.carrier ? catalogueText("mode.withCarrier")
                                                          : catalogueText("mode.withoutCarrier")},
                                   {"sideband", on.upper ? catalogueText("mode.upper")
                                                         : catalogueText("mode.lower")}});
    }
    return std::string(on.carrier ? catalogueText("mode.carrierOnly")
                                  : catalogueText("mode.noSignal"));
}

std::string modeWordOf(const Components& on) {
    if (on.lower && on.upper) {
        return on.carrier ? "am" : "dsb";
    }
    if (on.lower || on.upper) {
        return "ssb";
    }
    return on.carrier ? "portadora" : "silencio";
}

std::string modeOf(const ParameterValues& values) {
    return modeOfComponents(componentsOf(values));
}

} // namespace amsim
