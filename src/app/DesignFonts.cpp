#include "app/DesignFonts.h"

#include <QStringList>

namespace amsim {

namespace {

const QString kDesignFamily = QStringLiteral("MS Sans Serif");

QFont designFont(double points, bool bold) {
    QFont font(kDesignFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    // The design's face runs a little narrower than its stand-ins: without
    // this, "de producto" misses the width of its label by one pixel.
    font.setLetterSpacing(QFont::PercentageSpacing, 98.0);
    return font;
}

} // namespace

void installFontSubstitutes() {
    QFont::insertSubstitutions(kDesignFamily,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
}

QFont windowFont() {
    return designFont(8.25, false);
}
QFont panelFont() {
    return designFont(9.75, false);
}
QFont titleFont() {
    return designFont(9.75, true);
}

} // namespace amsim
