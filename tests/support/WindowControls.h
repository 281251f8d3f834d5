// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestWindow.h"
#include "frmRavo.h"

#include <QString>
#include <QtGlobal>

namespace ravo::test {

// A control's object name as Qt holds it: the names are UTF-8 in the source.
inline QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The window's control of that name; a test that names a control the window lacks stops.
template <typename T = QWidget> T* control(frmRavo& w, const char* name) {
    T* found = w.findChild<T*>(u(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace ravo::test
