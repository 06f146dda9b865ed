#pragma once

#include "params/NumberText.h"

#include <QLocale>

namespace amsim {

// How the locale writes the boxes' numbers: its decimal separator and its
// exponent letter, as Qt knows them.
NumberFormat numberFormatOf(const QLocale& locale);

} // namespace amsim
