#pragma once

#include "app/DesignFonts.h"
#include "app/Form1.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace amsim {

// The live window, shown and active as on a desktop, at the given texts.
inline QImage liveWindow(const QLocale& locale, const std::map<Parameter, QString>& texts) {
    installFontSubstitutes();
    Form1 form(locale);
    for (const auto& [parameter, text] : texts) {
        form.box(parameter)->setText(text);
    }
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
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
