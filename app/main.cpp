// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloseOnSignal.h"
#include "Languages.h"
#include "frmRavo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ravo");
    QGuiApplication::setDesktopFileName("org.example.ravo");
    ravo::prepareApplication();
    ravo::Languages languages;
    languages.use(ravo::Languages::fromDesktop());
    ravo::frmRavo window(nullptr, &languages);
    window.show();
    // A picture given as the program's one argument, a link (as the menu entry passes it).
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2)
        window.openLink(arguments.at(1));
    ravo::CloseOnSignal closeOnSignal(window);
    return QApplication::exec();
}
