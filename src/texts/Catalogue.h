#pragma once

#include "texts/Spanish.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace amsim {

// The position of a key in the Spanish catalogue, which every other
// catalogue shares. A key is made from its name at compile time, so a name
// the catalogue does not hold does not build.
class TextKey {
public:
    // NOLINTNEXTLINE(google-explicit-constructor): a key is written as its name
    // cppcheck-suppress noExplicitConstructor
    consteval TextKey(const char* name)
        : index_(indexOf(name)) {}

    // No text, where a table's row has none: a unit for a pure number.
    static constexpr TextKey none() { return TextKey(kNone); }

    constexpr bool isNone() const { return index_ == kNone; }
    constexpr std::size_t index() const { return index_; }

    static constexpr std::optional<TextKey> find(std::string_view name) {
        for (std::size_t i = 0; i < std::size(kSpanish); ++i) {
            if (kSpanish[i].key == name) {
                return TextKey(i);
            }
        }
        return std::nullopt;
    }

private:
    static constexpr std::size_t kNone = std::size(kSpanish);

    constexpr explicit TextKey(std::size_t index)
        : index_(index) {}

    static consteval std::size_t indexOf(std::string_view name) {
        const std::optional<TextKey> key = find(name);
        if (!key) {
            throw "no such text in the catalogue";
        }
        return key->index_;
    }

    std::size_t index_;
};

// One language's catalogue: the Spanish keys, in their order, with its texts.
struct Catalogue {
    std::string_view language; // its tag: "es"
    std::span<const TextEntry> entries;
};

// Every catalogue of the program, Spanish first.
std::span<const Catalogue> catalogues();

// Makes the catalogue of a language tag ("es", "en", "pt") the one in use;
// false, and nothing changed, for a tag no catalogue has.
bool useLanguage(std::string_view language);

// The tag of the catalogue in use.
std::string_view languageInUse();

// A language a user can choose: its tag and its name in itself ("English").
struct LanguageChoice {
    std::string_view tag;
    std::string_view name;
};
std::vector<LanguageChoice> languageChoices();

// The language a front end starts in: the one asked for (--idioma, idioma=),
// else the one the user chose last time while a catalogue has it, else
// Spanish. False, with the remembered one or Spanish in use, when no
// catalogue has the one asked for.
bool startLanguage(std::optional<std::string_view> asked,
                   std::optional<std::string_view> remembered);

// The text of a key in the language in use. The key none() is a
// fault of the program, raised as std::logic_error.
std::string_view catalogueText(TextKey key);

// The value put for one "{name}" of a template.
using TextArgument = std::pair<std::string_view, std::string_view>;

// The text of a key with each "{name}" replaced by its argument's value. A
// name with no argument is a fault of the program, raised as std::logic_error.
std::string filled(TextKey key, std::initializer_list<TextArgument> arguments);

// The same for a template not taken from a key: a parameter row's help.
std::string filledTemplate(std::string_view pattern, std::initializer_list<TextArgument> arguments);

// The names between braces of a template, in order: what a translation must keep.
std::string placeholdersOf(std::string_view pattern);

} // namespace amsim
