// Prints, as JSON, the page's stages and the boxes each groups, from the
// engine's table, for the page's build: [{"name":"Generador","boxes":["mdl",…]},…],
// the stages in the order their first box comes in the table.
#include "core/ParameterTable.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

std::string stagesJson() {
    std::vector<std::string_view> stages;
    for (const amsim::ParameterRow& row : amsim::kParameterRows) {
        if (std::find(stages.begin(), stages.end(), row.stage) == stages.end()) {
            stages.push_back(row.stage);
        }
    }
    std::string json = "[";
    for (const std::string_view stage : stages) {
        json += (json.size() > 1 ? "," : "") + std::string(R"({"name":)") + quoted(stage) +
                R"(,"boxes":[)";
        bool first = true;
        for (const amsim::ParameterRow& row : amsim::kParameterRows) {
            if (row.stage == stage) {
                json += (first ? "" : ",") + quoted(row.box);
                first = false;
            }
        }
        json += "]}";
    }
    return json + "]";
}

} // namespace

int main() {
    try {
        std::cout << stagesJson() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "amsim_page_stages: " << error.what() << '\n';
        return 1;
    }
    return std::cout.good() ? 0 : 1;
}
