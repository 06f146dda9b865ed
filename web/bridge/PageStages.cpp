// Prints, as JSON, what the page's build takes from the engine: the page's
// stages and the boxes each groups, from the engine's table, in the order
// their first box comes in it, and the texts of the form's controls and of
// the page itself, from the catalogue:
// {"stages":[{"name":"Generador","boxes":["mdl",…]},…],
//  "controls":{"Label8":{"text":"…",…},…},"texts":{"page.copied":"…",…}}.
#include "core/ParameterTable.h"
#include "params/FormTexts.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string quoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
            json += escape.data();
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string stagesJson() {
    std::vector<std::string_view> stages;
    for (const amsim::ParameterRow& row : amsim::kParameterRows) {
        const std::string_view stage = amsim::catalogueText(row.stage);
        if (std::find(stages.begin(), stages.end(), stage) == stages.end()) {
            stages.push_back(stage);
        }
    }
    std::string json = "[";
    for (const std::string_view stage : stages) {
        json += (json.size() > 1 ? "," : "") + std::string(R"({"name":)") + quoted(stage) +
                R"(,"boxes":[)";
        bool first = true;
        for (const amsim::ParameterRow& row : amsim::kParameterRows) {
            if (amsim::catalogueText(row.stage) == stage) {
                json += (first ? "" : ",") + quoted(row.box);
                first = false;
            }
        }
        json += "]}";
    }
    return json + "]";
}

std::string controlsJson() {
    std::map<std::string_view, std::string> controls;
    for (const amsim::FormText& text : amsim::formTexts()) {
        std::string& json = controls[text.control];
        json += (json.empty() ? "" : ",") + quoted(text.property) + ":" + quoted(text.text);
    }
    std::string json;
    for (const auto& [control, properties] : controls) {
        json += (json.empty() ? "" : ",") + quoted(control) + ":{" + properties + "}";
    }
    return "{" + json + "}";
}

// The page's own texts: its script's and its markup's.
std::string pageTextsJson() {
    constexpr std::string_view kPrefix = "page.";
    std::string json;
    for (const amsim::TextEntry& entry : amsim::catalogues().front().entries) {
        if (entry.key.starts_with(kPrefix)) {
            json += (json.empty() ? "" : ",") + quoted(entry.key.substr(kPrefix.size())) + ":" +
                    quoted(amsim::catalogueText(*amsim::TextKey::find(entry.key)));
        }
    }
    return "{" + json + "}";
}

} // namespace

int main() {
    try {
        std::cout << R"({"stages":)" << stagesJson() << R"(,"controls":)" << controlsJson()
                  << R"(,"texts":)" << pageTextsJson() << "}\n";
    } catch (const std::exception& error) {
        std::cerr << "amsim_page_stages: " << error.what() << '\n';
        return 1;
    }
    return std::cout.good() ? 0 : 1;
}
