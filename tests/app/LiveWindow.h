#pragma once

#include "app/DesignFonts.h"
#include "app/Form1.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace amsim {

// The live window, shown and active as on a desktop, at the given texts; as
// an export shows it, without the keyboard's focus frame, unless asked.
inline QImage liveWindow(const QLocale& locale, const std::map<Parameter, QString>& texts,
                         bool focusFrame = false) {
    installFontSubstitutes();
    Form1 form(locale);
    for (const auto& [parameter, text] : texts) {
        form.box(parameter)->setText(text);
    }
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    if (!focusFrame && form.focusWidget() != nullptr) {
        form.focusWidget()->clearFocus();
    }
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the part both pictures cover differ.
inline long differingPixels(const QImage& a, const QImage& b) {
    long count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

} // namespace amsim
