// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloseOnSignal.h"
#include "frmRavo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ravo");
    QGuiApplication::setDesktopFileName("org.example.ravo");
    ravo::prepareApplication();
    ravo::frmRavo window;
    window.show();
    ravo::CloseOnSignal closeOnSignal(window);
    return QApplication::exec();
}
