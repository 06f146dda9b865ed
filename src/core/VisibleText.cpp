#include "core/VisibleText.h"

#include "texts/Catalogue.h"

#include <algorithm>

namespace amsim {

namespace {

constexpr std::string_view kReplacement = "\uFFFD";

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80U) {
        out += static_cast<char>(c);
    } else if (c < 0x800U) {
        out += static_cast<char>(0xC0U | (c >> 6U));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else if (c < 0x10000U) {
        out += static_cast<char>(0xE0U | (c >> 12U));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (c >> 18U));
        out += static_cast<char>(0x80U | ((c >> 12U) & 0x3FU));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    }
}

// The code point that starts at the front and its length in bytes, or a
// length of 0 when no well-formed UTF-8 sequence starts there (overlong
// forms, surrogates and values past U+10FFFF are none).
std::pair<char32_t, std::size_t> decode(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80U) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xC2U && lead <= 0xDFU   ? 2
                               : lead >= 0xE0U && lead <= 0xEFU ? 3
                               : lead >= 0xF0U && lead <= 0xF4U ? 4
                                                                : 0;
    if (length == 0 || text.size() < length) {
        return {0, 0};
    }
    char32_t c = lead & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return {0, 0};
        }
        c = (c << 6U) | (byte(i) & 0x3FU);
    }
    const bool overlong = (length == 3 && c < 0x800U) || (length == 4 && c < 0x10000U);
    const bool surrogate = c >= 0xD800U && c <= 0xDFFFU;
    return overlong || surrogate || c > 0x10FFFFU ? std::pair<char32_t, std::size_t>{0, 0}
                                                  : std::pair{c, length};
}

} // namespace

std::string visibleText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const auto [c, length] = decode(text);
        if (length == 0) {
            shown += kReplacement;
            text.remove_prefix(1);
            continue;
        }
        if (c < 0x20U) {
            appendUtf8(shown, 0x2400U + c);
        } else if (c == 0x7FU) {
            appendUtf8(shown, 0x2421U);
        } else if (c >= 0x80U && c < 0xA0U) {
            shown += kReplacement;
        } else {
            shown.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return shown;
}

std::string quotedText(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t length = std::max<std::size_t>(decode(text.substr(end)).second, 1);
        if (characters++ == kShown) {
            return filled("text.quoted", {{"text", visibleText(text.substr(0, end)) + "…"}});
        }
        end += length;
    }
    return filled("text.quoted", {{"text", visibleText(text)}});
}

} // namespace amsim
