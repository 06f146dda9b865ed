#include "params/Utf8.h"

#include <optional>

namespace amsim {

namespace {

bool isBlankCodePoint(char32_t c) {
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The code point that the text begins with, if its first bytes are UTF-8.
// Only the forms that blanks take need to be told apart: one to three bytes.
std::optional<Decoded> decodeFirst(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80U) {
        return Decoded{lead, 1};
    }
    const std::size_t length = (lead & 0xE0U) == 0xC0U ? 2 : (lead & 0xF0U) == 0xE0U ? 3 : 0;
    if (length == 0 || text.size() < length) {
        return std::nullopt;
    }
    char32_t c = lead & (length == 2 ? 0x1FU : 0x0FU);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) {
            return std::nullopt;
        }
        c = (c << 6U) | (byte & 0x3FU);
    }
    return Decoded{c, length};
}

// The length of the last code point's bytes: up to three back to a lead byte.
std::size_t lastLength(std::string_view text) {
    std::size_t length = 1;
    while (length < 3 && length < text.size() &&
           isContinuation(static_cast<unsigned char>(text[text.size() - length]))) {
        ++length;
    }
    return length;
}

bool startsWithBlank(std::string_view text, std::size_t& length) {
    const std::optional<Decoded> first = decodeFirst(text);
    length = first ? first->length : 0;
    return first && isBlankCodePoint(first->codePoint);
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    std::size_t length = 0;
    while (startsWithBlank(text, length)) {
        text.remove_prefix(length);
    }
    while (!text.empty()) {
        const std::string_view last = text.substr(text.size() - lastLength(text));
        if (!startsWithBlank(last, length) || length != last.size()) {
            break;
        }
        text.remove_suffix(length);
    }
    return text;
}

} // namespace amsim
