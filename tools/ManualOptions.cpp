// Prints the manual's paragraphs of the parameters' options, which the build
// puts into the manual page: the options and their help come from the
// engine's table, as the command line's help does, so the two cannot drift.
#include "params/ParameterHelp.h"

#include <iostream>

int main() {
    std::cout << amsim::manualOptionParagraphs();
    return std::cout.good() ? 0 : 1;
}
