#include "texts/Catalogue.h"

#include "texts/English.h"
#include "texts/Portuguese.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <stdexcept>
#include <string_view>

namespace amsim {

namespace {

// A key names one text: sorted, no key stands beside its equal. Sorted
// first, as comparing every pair outgrows a compiler's budget of steps for
// constant evaluation.
constexpr bool keysAreDistinct() {
    std::array<std::string_view, std::size(kSpanish)> keys{};
    std::transform(std::begin(kSpanish), std::end(kSpanish), keys.begin(),
                   [](const auto& text) { return std::string_view(text.key); });
    std::sort(keys.begin(), keys.end());
    return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
}
static_assert(keysAreDistinct(), "every text of the catalogue has a key of its own");

constexpr std::array kCatalogues{
    Catalogue{"es", kSpanish},
    Catalogue{"en", kEnglish},
    Catalogue{"pt", kPortuguese},
};

// The position of the catalogue in use: Spanish, the source and the default,
// until a front end chooses another. Read by the sound's thread too.
std::atomic<std::size_t> inUse{0};

const Catalogue& current() {
    return kCatalogues.at(inUse.load());
}

} // namespace

std::span<const Catalogue> catalogues() {
    return kCatalogues;
}

bool useLanguage(std::string_view language) {
    const auto* found =
        std::find_if(kCatalogues.begin(), kCatalogues.end(),
                     [language](const Catalogue& c) { return c.language == language; });
    if (found == kCatalogues.end()) {
        return false;
    }
    inUse.store(static_cast<std::size_t>(found - kCatalogues.begin()));
    return true;
}

std::string_view languageInUse() {
    return current().language;
}

std::vector<LanguageChoice> languageChoices() {
    std::vector<LanguageChoice> choices(kCatalogues.size());
    std::transform(
        kCatalogues.begin(), kCatalogues.end(), choices.begin(), [](const Catalogue& catalogue) {
            return LanguageChoice{catalogue.language,
                                  catalogue.entries[TextKey("language.name").index()].text};
        });
    return choices;
}

bool startLanguage(std::optional<std::string_view> asked,
                   std::optional<std::string_view> remembered) {
    if (!remembered || !useLanguage(*remembered)) {
        useLanguage(kCatalogues.front().language);
    }
    return !asked || useLanguage(*asked);
}

std::string_view catalogueText(TextKey key) {
    if (key.isNone()) {
        throw std::logic_error("a text asked for where there is none");
    }
    return current().entries[key.index()].text;
}

std::string filledTemplate(std::string_view pattern,
                           std::initializer_list<TextArgument> arguments) {
    std::string result;
    std::size_t at = 0;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
         open = pattern.find('{', at)) {
        const std::size_t close = pattern.find('}', open);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto* argument =
            std::find_if(arguments.begin(), arguments.end(),
                         [name](const TextArgument& a) { return a.first == name; });
        if (close == std::string_view::npos || argument == arguments.end()) {
            throw std::logic_error("no value for {" + std::string(name) + "} in a text");
        }
        result += pattern.substr(at, open - at);
        result += argument->second;
        at = close + 1;
    }
    result += pattern.substr(at);
    return result;
}

std::string filled(TextKey key, std::initializer_list<TextArgument> arguments) {
    return filledTemplate(catalogueText(key), arguments);
}

std::string placeholdersOf(std::string_view pattern) {
    std::string names;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
         open = pattern.find('{', open + 1)) {
        names += pattern.substr(open, pattern.find('}', open) - open + 1);
    }
    return names;
}

} // namespace amsim
