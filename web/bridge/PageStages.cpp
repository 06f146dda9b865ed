// Prints, as JSON, what the page's build takes from the engine: the page's
// stages and the boxes each groups, from the engine's table, in the order
// their first box comes in it, and the texts of the form's controls and of
// the page itself, from the catalogue:
// {"stages":[{"name":"Generador","boxes":["mdl",…]},…],
//  "controls":{"Label8":{"text":"…",…},…},"texts":{"page.copied":"…",…},
//  "languages":["es","en","pt"]}.
#include "PageTexts.h"
#include "params/FormTexts.h"
#include "texts/Catalogue.h"

#include <array>
#include <cstdio>
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

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
    std::string json;
    for (const amsim::PageStage& stage : amsim::pageStages()) {
        std::string boxes;
        for (const std::string_view box : stage.boxes) {
            boxes += (boxes.empty() ? "" : ",") + quoted(box);
        }
        json += (json.empty() ? "" : ",") + std::string(R"({"name":)") + quoted(stage.name) +
                R"(,"boxes":[)" + boxes + "]}";
    }
    return "[" + json + "]";
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
    std::string json;
    for (const auto& [name, text] : amsim::pageTexts()) {
        json += (json.empty() ? "" : ",") + quoted(name) + ":" + quoted(text);
    }
    return "{" + json + "}";
}

// The languages' tags, Spanish first.
std::string languagesJson() {
    std::string json;
    for (const amsim::Catalogue& catalogue : amsim::catalogues()) {
        json += (json.empty() ? "" : ",") + quoted(catalogue.language);
    }
    return "[" + json + "]";
}

} // namespace

int main() {
    try {
        std::cout << R"({"stages":)" << stagesJson() << R"(,"controls":)" << controlsJson()
                  << R"(,"texts":)" << pageTextsJson() << R"(,"languages":)" << languagesJson()
                  << "}\n";
    } catch (const std::exception& error) {
        std::cerr << "amsim_page_stages: " << error.what() << '\n';
        return 1;
    }
    return std::cout.good() ? 0 : 1;
}
