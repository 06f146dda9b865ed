#pragma once

#include "core/ParameterTable.h"
#include "params/BoxReader.h"

#include <span>
#include <string>

namespace amsim::test {

// A box's text from a row of texts in the boxes' order. A box that the row
// leaves out (a null, or past its end) holds its start text in the row's
// notation, so that rows written before a parameter came keep their meaning.
inline std::string boxText(std::span<const char* const> texts, Parameter parameter,
                           const NumberFormat& format) {
    const auto index = static_cast<std::size_t>(parameter);
    return index < texts.size() && texts[index] != nullptr ? std::string(texts[index])
                                                           : startText(parameter, format);
}

// A text for every box that links have always named, the start text for the
// others.
inline std::string namedOrStart(Parameter parameter, const char* text, const NumberFormat& format) {
    return rowOf(parameter).namedAtStart ? std::string(text) : startText(parameter, format);
}

} // namespace amsim::test
