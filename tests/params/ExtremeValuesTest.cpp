#include "core/Error.h"
#include "params/Handlers.h"
#include "params/MemoryControls.h"
#include "support/RecordingCanvas.h"
#include "support/SaneFigures.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace amsim {
namespace {

struct ExtremeRow {
    std::string name;
    Parameter box;
    std::string text;
    Handlers::Click click;
};

void PrintTo(const ExtremeRow& row, std::ostream* out) {
    *out << row.name;
}

// Every box at the edges of the doubles, both signs, then Enter and each of
// its buttons; and the noise where its power leaves the doubles.
std::vector<ExtremeRow> extremeRows() {
    const std::array<std::pair<const char*, const char*>, 4> edges{{{"1e-320", "Tiniest"},
                                                                    {"-1e-320", "MinusTiniest"},
                                                                    {"1e308", "Largest"},
                                                                    {"-1e308", "MinusLargest"}}};
    std::vector<ExtremeRow> rows;
    for (const Parameter box : kAllParameters) {
        std::vector<std::pair<std::string, Handlers::Click>> clicks{
            {"Enter", &Handlers::Box_Enter}};
        for (const auto& [name, click] : kButtons) {
            if (click == Handlers::arrowKeyOf(box, true) ||
                click == Handlers::arrowKeyOf(box, false)) {
                clicks.emplace_back(name, click);
            }
        }
        for (const auto& [text, edge] : edges) {
            for (const auto& [name, click] : clicks) {
                rows.push_back({std::string(optionOf(box)) + edge + name, box, text, click});
            }
        }
    }
    for (const auto& [text, name] :
         {std::pair{"1e-156", "RuidoFaintest156"}, std::pair{"1e-160", "RuidoFaintest160"},
          std::pair{"1e-300", "RuidoFaintest300"}}) {
        rows.push_back({name, Parameter::Ruido, text, &Handlers::Box_Enter});
    }
    return rows;
}

class ExtremeValues : public testing::TestWithParam<ExtremeRow> {};

// Either a picture with sane figures, or a refusal that names the box (or,
// for an overflow of the drawing, the largest) and says there are no
// measurements; never a crash.
TEST_P(ExtremeValues, GiveSaneFiguresOrAClearRefusal) {
    const ExtremeRow& row = GetParam();
    test::RecordingCanvas drawing;
    MemoryControls bench(drawing);
    Handlers handlers(bench, NumberFormat{".", "e"});
    handlers.Form_Load();
    bench.setText(row.box, row.text);
    try {
        (handlers.*row.click)();
        ASSERT_GE(bench.readout().size(), 10U);
    } catch (const Error& error) {
        ASSERT_TRUE(error.parameter().has_value()) << error.what();
        EXPECT_EQ(bench.readout(), std::vector<std::string>{noMeasurements(error.parameter())});
        if (error.kind() != Error::Kind::TooLargeToDraw) {
            EXPECT_EQ(*error.parameter(), row.box) << error.what();
        }
    }
    std::vector<std::string> shown = bench.readout();
    shown.push_back(bench.description());
    EXPECT_EQ(test::absurdFigure(shown, ".", "e"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Edges, ExtremeValues, testing::ValuesIn(extremeRows()),
                         [](const testing::TestParamInfo<ExtremeRow>& row) {
                             return row.param.name;
                         });

} // namespace
} // namespace amsim
