#include "params/PanelTexts.h"

#include "texts/Catalogue.h"

namespace amsim {

// Taken once, after the front end has chosen its language.
const std::vector<std::string_view>& helpParagraphs() {
    static const std::vector<std::string_view> paragraphs{
        text("help.paragraph1"), text("help.paragraph2"), text("help.paragraph3"),
        text("help.paragraph4"), text("help.paragraph5"), text("help.paragraph6"),
        text("help.paragraph7"), text("help.paragraph8"), text("help.paragraph9")};
    return paragraphs;
}

const std::vector<std::string_view>& aboutPieces() {
    static const std::vector<std::string_view> pieces{text("about.piece1"), text("about.piece2"),
                                                      text("about.piece3"), text("about.piece4"),
                                                      text("about.piece5")};
    return pieces;
}

std::string panelText(const std::vector<std::string_view>& pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
        text += kParagraphSeparator;
    }
    return text;
}

} // namespace amsim
