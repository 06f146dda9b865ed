// Test main for suites that need a QApplication. Without a display the
// offscreen platform is used, so the suite runs the same in CI and at a desk.
#include "app/QtTranslation.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    amsim::followLanguageInQt();         // as the program does
    QApplication::setCursorFlashTime(0); // no blinking cursor in grabbed pictures
    return RUN_ALL_TESTS();
}
