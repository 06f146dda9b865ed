#include "app/LocaleFormat.h"

namespace amsim {

NumberFormat numberFormatOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.exponential().toStdString()};
}

} // namespace amsim
