#include "params/ParameterHelp.h"

#include "params/BoxReader.h"
#include "params/NumberText.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace amsim {

namespace {

// Where the help's descriptions start.
constexpr std::size_t kHelpColumn = 28;

std::string replaced(std::string text, std::string_view token, std::string_view by) {
    for (std::size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + by.size())) {
        text.replace(at, token.size(), by);
    }
    return text;
}

std::array<const ParameterRow*, kParameterCount> rowsInHelpOrder() {
    std::array<const ParameterRow*, kParameterCount> rows{};
    std::transform(std::begin(kParameterRows), std::end(kParameterRows), rows.begin(),
                   [](const ParameterRow& row) { return &row; });
    std::sort(rows.begin(), rows.end(), [](const ParameterRow* a, const ParameterRow* b) {
        return a->helpPosition < b->helpPosition;
    });
    return rows;
}

} // namespace

std::string parameterHelp(const ParameterRow& row) {
    // The help writes numbers as its language does, whatever the locale.
    const NumberFormat written = textFormat();
    return filled(row.help, {{"start", numberToText(startValue(row.parameter), written)},
                             {"low", numberToText(row.low, written)},
                             {"high", numberToText(row.high, written)}});
}

std::string helpOptionLines() {
    std::string lines;
    for (const ParameterRow* row : rowsInHelpOrder()) {
        std::string option =
            "  --" + std::string(row->option) + " " + std::string(catalogueText("cli.valueName"));
        option.resize(std::max(kHelpColumn, option.size() + 1), ' ');
        lines += option +
                 replaced(parameterHelp(*row), "\n", "\n" + std::string(kHelpColumn, ' ')) + "\n";
    }
    return lines;
}

std::string manualOptionParagraphs() {
    std::string paragraphs;
    for (const ParameterRow* row : rowsInHelpOrder()) {
        paragraphs += ".TP\n.BI \\-\\-" + replaced(std::string(row->option), "-", "\\-") + " \" " +
                      std::string(catalogueText("manual.valueName")) + "\"\n" +
                      replaced(parameterHelp(*row), "-", "\\-") + "\n";
    }
    return paragraphs;
}

} // namespace amsim
