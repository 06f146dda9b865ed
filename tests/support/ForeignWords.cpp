#include "support/ForeignWords.h"

#include "texts/Catalogue.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace amsim::test {

namespace {

constexpr std::size_t kShortest = 4;

// A letter: an ASCII one, or any byte of a character beyond ASCII (á, ñ, ç …).
bool isLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isalpha(byte) != 0 || byte >= 0x80;
}

// The words of a text in lower case, its "{placeholders}" left out.
std::set<std::string> wordsOf(std::string_view text) {
    std::set<std::string> words;
    std::string word;
    bool inPlaceholder = false;
    for (const char c : std::string(text) + ' ') {
        inPlaceholder = (inPlaceholder || c == '{') && c != '}';
        if (isLetter(c) && !inPlaceholder) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        if (word.size() >= kShortest) {
            words.insert(word);
        }
        word.clear();
    }
    return words;
}

std::set<std::string> wordsOfCatalogue(const Catalogue& catalogue) {
    std::set<std::string> words;
    for (const TextEntry& entry : catalogue.entries) {
        words.merge(wordsOf(entry.text));
    }
    return words;
}

const Catalogue& catalogueOf(std::string_view language) {
    const auto all = catalogues();
    return *std::find_if(all.begin(), all.end(),
                         [language](const Catalogue& c) { return c.language == language; });
}

} // namespace

std::vector<std::string> spanishWordsIn(std::string_view text, std::string_view language) {
    const std::set<std::string> own = wordsOfCatalogue(catalogueOf(language));
    const std::set<std::string> spanish = wordsOfCatalogue(catalogues().front());
    std::vector<std::string> found;
    for (const std::string& word : wordsOf(text)) {
        if (spanish.contains(word) && !own.contains(word)) {
            found.push_back(word);
        }
    }
    return found;
}

} // namespace amsim::test
