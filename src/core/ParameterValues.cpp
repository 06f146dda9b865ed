#include "core/ParameterValues.h"

#include "core/ParameterTable.h"

namespace amsim {

ParameterValues valuesOf(const std::function<double(Parameter)>& read) {
    ParameterValues values{};
    for (const ParameterRow& row : kParameterRows) {
        if (row.value != nullptr) {
            values.*row.value = read(row.parameter);
        }
    }
    return values;
}

} // namespace amsim
