#include "app/DesignFonts.h"
#include "app/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    amsim::installFontSubstitutes();
    amsim::Form1 window;
    window.show();
    return QApplication::exec();
}
