// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <cmath>

namespace ravo {

TextFont fontFor(FontRole role) {
    switch (role) {
    case FontRole::Default:
        return {"Liberation Sans", 11, false, false};
    case FontRole::DefaultBold:
        return {"Liberation Sans", 11, true, false};
    case FontRole::Title:
        return {"Liberation Serif", 21, true, true};
    case FontRole::Button:
        return {"Liberation Serif", 19, true, true};
    case FontRole::Caption:
        break;
    }
    return {"Liberation Sans", 16, false, false};
}

std::string TextFont::css(double zoom) const {
    const long size = std::max(1L, std::lround(pixels * zoom));
    std::string out = bold ? "bold " : "";
    out += std::to_string(size) + "px \"" + family + "\", ";
    out += serif ? "\"Times New Roman\", Times, serif" : "Arial, Helvetica, sans-serif";
    return out;
}

} // namespace ravo
