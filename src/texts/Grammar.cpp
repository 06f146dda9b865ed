#include "texts/Grammar.h"

#include <algorithm>
#include <cmath>

namespace amsim {

std::string joined(const std::vector<std::string>& items, std::string_view separator) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) {
            text += separator;
        }
        text += item;
    }
    return text;
}

std::string listed(const std::vector<std::string>& items) {
    if (items.size() < 2) {
        return items.empty() ? std::string() : items.front();
    }
    const std::vector<std::string> allButLast(items.begin(), items.end() - 1);
    return joined(allButLast, catalogueText("list.separator")) +
           std::string(catalogueText("list.last")) + items.back();
}

TextKey agreeing(double count, TextKey one, TextKey other) {
    return std::abs(count) == 1.0 ? one : other;
}

TextKey agreeingGender(std::initializer_list<TextKey> genders, TextKey masculine,
                       TextKey feminine) {
    const bool anyMasculine = std::any_of(genders.begin(), genders.end(), [](TextKey gender) {
        return catalogueText(gender) == "m";
    });
    return anyMasculine ? masculine : feminine;
}

} // namespace amsim
