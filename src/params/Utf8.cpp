#include "params/Utf8.h"

namespace amsim {

namespace {

bool isBlankCodePoint(char32_t c) {
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The number of bytes of the blank that the text begins with, or 0 when it
// does not begin with one. Blanks take one to three bytes of UTF-8.
std::size_t leadingBlank(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80U) {
        return isBlankCodePoint(lead) ? 1 : 0;
    }
    const std::size_t length = (lead & 0xE0U) == 0xC0U ? 2 : (lead & 0xF0U) == 0xE0U ? 3 : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    char32_t c = lead & (length == 2 ? 0x1FU : 0x0FU);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) {
            return 0;
        }
        c = (c << 6U) | (byte & 0x3FU);
    }
    return isBlankCodePoint(c) ? length : 0;
}

// The bytes of the last code point: back over up to two continuation bytes.
std::string_view lastCodePoint(std::string_view text) {
    std::size_t length = 1;
    while (length < 3 && length < text.size() &&
           isContinuation(static_cast<unsigned char>(text[text.size() - length]))) {
        ++length;
    }
    return text.substr(text.size() - length);
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    while (const std::size_t length = leadingBlank(text)) {
        text.remove_prefix(length);
    }
    while (!text.empty()) {
        const std::string_view last = lastCodePoint(text);
        if (leadingBlank(last) != last.size()) {
            break;
        }
        text.remove_suffix(last.size());
    }
    return text;
}

} // namespace amsim
