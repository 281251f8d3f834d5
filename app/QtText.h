// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace ravo {

// A text of the program (UTF-8: the names of controls and settings, numbers, setting
// words) for Qt.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace ravo
