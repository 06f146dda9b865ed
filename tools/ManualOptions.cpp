// Prints the manual's paragraphs of the parameters' options, which the build
// puts into the manual page: the options and their help come from the
// engine's table, as the command line's help does, so the two cannot drift.
#include "params/ParameterHelp.h"
#include "texts/Catalogue.h"

#include <iostream>

// amsim_manual_options [LANGUAGE]: the paragraphs in that language (Spanish
// without one).
int main(int argc, char* argv[]) {
    if (argc > 1 && !amsim::useLanguage(argv[1])) {
        std::cerr << "amsim_manual_options: no catalogue for " << argv[1] << '\n';
        return 1;
    }
    std::cout << amsim::manualOptionParagraphs() << ".TP\n.BI \\-\\-idioma \" "
              << amsim::catalogueText("manual.languageValue") << "\"\n"
              << amsim::catalogueText("manual.languageOption") << '\n';
    return std::cout.good() ? 0 : 1;
}
