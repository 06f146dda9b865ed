#pragma once

#include "app/DesignFonts.h"
#include "app/Form1.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

namespace amsim {

// The window, shown offscreen, driven through real mouse clicks.
class ShownForm : public testing::Test {
protected:
    explicit ShownForm(const QLocale& locale = QLocale::c(), BenchClock clock = BenchClock())
        : form(locale, nullptr, std::move(clock)) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    ~ShownForm() override {
        for (QMessageBox* box : form.findChildren<QMessageBox*>()) {
            box->done(QMessageBox::Ok);
        }
    }

    template <class Widget = QWidget> Widget* control(const char* name) const {
        return form.findChild<Widget*>(QString::fromLatin1(name));
    }

    void click(const char* button, int times = 1) {
        auto* target = control<QPushButton>(button);
        ASSERT_NE(target, nullptr) << button;
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }

    QString text(Parameter parameter) const { return form.box(parameter)->text(); }
    void type(Parameter parameter, const QString& text) { form.box(parameter)->setText(text); }

    // The open error message, if any.
    QMessageBox* message() const {
        const auto boxes = form.findChildren<QMessageBox*>();
        return boxes.isEmpty() ? nullptr : boxes.last();
    }

    QRgb pixel(int x, int y) const { return form.drawing().pixel(x, y); }
    bool drawnAt(int x, int y) const { return qAlpha(pixel(x, y)) == 255; }

    // As at start-up: the stand-in fonts are known before the window is built.
    struct StandInFonts {
        StandInFonts() { installFontSubstitutes(); }
    } fonts;
    Form1 form;
};

} // namespace amsim
