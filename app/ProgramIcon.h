// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace ravo {

// The resource path of the program's icon: the same SVG that the desktop entry names.
inline const QString programIconResource = QStringLiteral(":/icons/org.example.ravo.svg");

// The program's icon, rendered from its SVG at the usual icon sizes. Null if the
// resource cannot be read as SVG.
QIcon programIcon();

} // namespace ravo
