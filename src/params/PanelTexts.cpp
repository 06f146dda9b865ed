#include "params/PanelTexts.h"

#include "texts/Catalogue.h"

namespace amsim {

// Taken once, after the front end has chosen its language.
const std::vector<std::string_view>& helpParagraphs() {
    static const std::vector<std::string_view> paragraphs{
        catalogueText("help.paragraph1"),  catalogueText("help.paragraph2"),
        catalogueText("help.paragraph3"),  catalogueText("help.paragraph4"),
        catalogueText("help.paragraph5"),  catalogueText("help.paragraph6"),
        catalogueText("help.paragraph7"),  catalogueText("help.paragraph8"),
        catalogueText("help.paragraph9"),  catalogueText("help.paragraph10"),
        catalogueText("help.paragraph11"), catalogueText("help.paragraph12")};
    return paragraphs;
}

const std::vector<std::string_view>& aboutPieces() {
    static const std::vector<std::string_view> pieces{
        catalogueText("about.piece1"), catalogueText("about.piece2"), catalogueText("about.piece3"),
        catalogueText("about.piece4"), catalogueText("about.piece5")};
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
