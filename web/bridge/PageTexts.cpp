#include "PageTexts.h"

#include "core/ParameterTable.h"
#include "texts/Catalogue.h"

#include <algorithm>

namespace amsim {

std::vector<PageStage> pageStages() {
    std::vector<PageStage> stages;
    for (const ParameterRow& row : kParameterRows) {
        const std::string_view name = catalogueText(row.stage);
        const auto stage = std::find_if(stages.begin(), stages.end(),
                                        [name](const PageStage& s) { return s.name == name; });
        if (stage == stages.end()) {
            stages.push_back({std::string(name), {row.box}});
        } else {
            stage->boxes.push_back(row.box);
        }
    }
    return stages;
}

std::vector<std::pair<std::string_view, std::string>> pageTexts() {
    constexpr std::string_view kPrefix = "page.";
    std::vector<std::pair<std::string_view, std::string>> texts;
    for (const TextEntry& entry : catalogues().front().entries) {
        if (entry.key.starts_with(kPrefix)) {
            texts.emplace_back(entry.key.substr(kPrefix.size()),
                               catalogueText(*TextKey::find(entry.key)));
        }
    }
    return texts;
}

} // namespace amsim
