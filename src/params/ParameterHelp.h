#pragma once

#include "core/ParameterTable.h"

#include <string>

namespace amsim {

// The help's description of a parameter, from its row: its start value and
// bound written in, its lines broken where the row breaks them.
std::string parameterHelp(const ParameterRow& row);

// The help's lines of the parameters' options, in the help's order, each
// "  --mdl VALOR" and its description in the help's second column.
std::string helpOptionLines();

// The manual's tagged paragraphs of the same options, in troff.
std::string manualOptionParagraphs();

} // namespace amsim
