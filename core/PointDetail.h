// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "Marks.h"
#include "RunRecord.h"
#include "Text.h"

#include <optional>
#include <vector>

namespace ravo {

// What the window that looks inside one detector point shows, as data both faces draw:
// the numbers, the Cornu spiral enlarged (every path's arrow head to tail and the green
// resultant) and the trip time of every path against its height at the lens, the path of
// least time ringed, each path with the direction of its arrow. Everything is read from the
// run's record; places are in the window's design units, 600 × 440, or where the window is
// narrow (a phone held upright) 300 units wide, with the texts, the spiral and the plot one
// above the other, so that its texts keep their size.
struct Inspection {
    enum class Layout { Wide, Narrow };
    static constexpr double width = 600;
    static constexpr double height = 440;
    static constexpr double narrowWidth = 300;
    static constexpr double narrowHeight = 716;

    // One thing the window draws, in the colour of a role of the picture (`ink` is the
    // colour of lines and texts, the axis's).
    struct Shape {
        enum class Kind {
            Line,       // (x1, y1) to (x2, y2)
            DottedRect, // x1, y1, x2 (width), y2 (height)
            Disc,       // centre (x1, y1), radius x2, filled
            Ring,       // centre (x1, y1), radius x2
            Label,      // `text` in the box x1, y1, x2 (width), y2 (height), turned by `turn`
        };
        enum class Align { Left, Centre, Right };
        Shape(Kind k, Role r) : kind(k), role(r) {}
        Kind kind;
        Role role;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        double width = 1; // of a line or ring
        Text text;
        Align align = Align::Centre;
        int fontPixels = 12;
        bool bold = false;
        bool turned = false; // a label read from bottom to top
        bool wrap = false;   // a label that may take two lines
    };

    MarkPlace place;
    Layout layout = Layout::Wide;
    int point = 0; // 1 to 85
    Text title;    // "Ravo - point 52 of run 1"
    Text numbers;  // "Point 52 of 85, x = 514: P = 133.988"
    Text paths;    // "81 paths; the resultant is 33.42 long (P = its length squared times 0.012)"
    Text run;      // "Run 1: blue, f = 1, ..."
    std::vector<Shape> shapes; // in drawing order; the numbers first, then the pictures
    Table table;               // of the paths, as Ctrl+Shift+C copies it
};

// Point `place` of its run; none where it cannot be looked inside.
std::optional<Inspection> inspect(const RunHistory& history, MarkPlace place,
                                  Inspection::Layout layout = Inspection::Layout::Wide);
// The layout that shows the inspection larger in a room of width × height (in any unit):
// narrow in a tall, narrow room, wide otherwise.
Inspection::Layout inspectionLayoutFor(double width, double height);
// The neighbouring point `by` places along the same run whose paths are kept; none at the
// ends.
std::optional<MarkPlace> inspectNext(const RunHistory& history, MarkPlace place, int by);

} // namespace ravo
