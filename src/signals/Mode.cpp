#include "signals/Mode.h"

namespace amsim {

Components componentsOf(const ParameterValues& values) {
    const bool tone = values.mdl != 0.0;
    return {values.Vcc != 0.0, tone && values.BliSiNo != 0.0, tone && values.BlsSiNo != 0.0};
}

std::string modeOfComponents(const Components& on) {
    if (on.lower && on.upper) {
        return on.carrier ? "AM" : "DSB";
    }
    if (on.lower || on.upper) {
        const std::string sideband = on.upper ? "banda lateral superior" : "banda lateral inferior";
        return (on.carrier ? "SSB con portadora, " : "SSB sin portadora, ") + sideband;
    }
    return on.carrier ? "Solo portadora" : "Sin señal";
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
