#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace amsim {

// A stage of the bench on the page: its name in the language in use and the
// boxes it groups, in the engine's table's order.
struct PageStage {
    std::string name;
    std::vector<std::string_view> boxes;
};

// The stages in the order their first box comes in the engine's table.
std::vector<PageStage> pageStages();

// The page's own texts (its script's and its markup's, the catalogue's
// "page.*" keys) by their names without the prefix, in the language in use.
std::vector<std::pair<std::string_view, std::string>> pageTexts();

} // namespace amsim
