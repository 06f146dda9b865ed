// Test main for suites that need a QApplication. Without a display the
// offscreen platform is used, so the suite runs the same in CI and at a desk.
#include "app/QtTranslation.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window keeps the user's choices (the language) in a folder of the
    // suite's own, never the user's.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    amsim::followLanguageInQt();         // as the program does
    QApplication::setCursorFlashTime(0); // no blinking cursor in grabbed pictures
    return RUN_ALL_TESTS();
}
