#include "signals/Mode.h"

#include "texts/Catalogue.h"

namespace amsim {

Components componentsOf(const ParameterValues& values) {
    const bool tone = values.mdl != 0.0;
    return {values.Vcc != 0.0, tone && values.BliSiNo != 0.0, tone && values.BlsSiNo != 0.0};
}

std::string modeOfComponents(const Components& on) {
    if (on.lower && on.upper) {
        return std::string(on.carrier ? text("mode.am") : text("mode.dsb"));
    }
    if (on.lower || on.upper) {
        return filled(
            "mode.ssb",
            {{"carrier", on.carrier ? text("mode.withCarrier") : text("mode.withoutCarrier")},
             {"sideband", on.upper ? text("mode.upper") : text("mode.lower")}});
    }
    return std::string(on.carrier ? text("mode.carrierOnly") : text("mode.noSignal"));
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
