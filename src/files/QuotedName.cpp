#include "files/QuotedName.h"

#include "core/VisibleText.h"
#include "files/NativeNames.h"
#include "texts/Catalogue.h"

#include <vector>

namespace amsim {

namespace {

// Where each character of a UTF-8 text starts.
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0U) != 0x80U) {
            starts.push_back(at);
        }
    }
    return starts;
}

} // namespace

std::string quotedName(const QString& path) {
    constexpr std::size_t kHead = 30;
    constexpr std::size_t kTail = 40;
    const QByteArray bytes = fileNameBytes(path);
    const std::string text =
        visibleText({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    const std::vector<std::size_t> starts = characterStarts(text);
    if (starts.size() <= kHead + kTail) {
        return filled("text.quoted", {{"text", text}});
    }
    return filled("text.quoted", {{"text", text.substr(0, starts[kHead]) + "…" +
                                               text.substr(starts[starts.size() - kTail])}});
}

} // namespace amsim
