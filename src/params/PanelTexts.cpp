#include "params/PanelTexts.h"

#include "texts/Catalogue.h"

namespace amsim {

// Taken in the language in use, which the user can change while the bench runs.
std::vector<std::string_view> helpParagraphs() {
    return {catalogueText("help.paragraph1"),  catalogueText("help.paragraph2"),
            catalogueText("help.paragraph3"),  catalogueText("help.paragraph4"),
            catalogueText("help.paragraph5"),  catalogueText("help.paragraph6"),
            catalogueText("help.paragraph7"),  catalogueText("help.paragraph8"),
            catalogueText("help.paragraph9"),  catalogueText("help.paragraph10"),
            catalogueText("help.paragraph11"), catalogueText("help.paragraph12")};
}

std::vector<std::string_view> aboutPieces() {
    return {catalogueText("about.piece1"), catalogueText("about.piece2"),
            catalogueText("about.piece3"), catalogueText("about.piece4"),
            catalogueText("about.piece5")};
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
