#include "frmRavo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ravo");
    ravo::prepareApplication();
    ravo::frmRavo window;
    window.show();
    return QApplication::exec();
}
