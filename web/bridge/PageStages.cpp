// Prints, as JSON, the page's stages and the boxes each groups, from the
// engine's table, for the page's build: [{"name":"Generador","boxes":["mdl",…]},…],
// the stages in the order their first box comes in the table.
#include "core/ParameterTable.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

int main() {
    std::vector<std::string_view> stages;
    for (const amsim::ParameterRow& row : amsim::kParameterRows) {
        if (std::find(stages.begin(), stages.end(), row.stage) == stages.end()) {
            stages.push_back(row.stage);
        }
    }
    std::string json = "[";
    for (const std::string_view stage : stages) {
        json += std::string(json.size() > 1 ? "," : "") + "{\"name\":\"" + std::string(stage) +
                "\",\"boxes\":[";
        bool first = true;
        for (const amsim::ParameterRow& row : amsim::kParameterRows) {
            if (row.stage == stage) {
                json += std::string(first ? "" : ",") + "\"" + std::string(row.box) + "\"";
                first = false;
            }
        }
        json += "]}";
    }
    std::cout << json << "]\n";
    return std::cout.good() ? 0 : 1;
}
