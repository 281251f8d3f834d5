// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ravo {

// Horizontal and vertical lines known to stand in a picture as they were drawn, for the
// window's surface and the page's alike. A run draws its base lines and the horizontal part
// of every path again for each path and each detector point: about 20,000 of its 37,000
// lines. Drawn again where nothing of another colour has been drawn since, such a line sets
// each of its pixels to the colour they already have, so a surface leaves it out, which
// changes no pixel. Lines are found by their ends and pen at once, the oldest let go first;
// for each colour the area its lines lie in is kept, so that a drawing far from those of
// other colours checks none of them.
class LineMemory {
public:
    struct Box {
        double left, top, right, bottom;
        bool overlaps(const Box& b) const {
            return left < b.right && b.left < right && top < b.bottom && b.top < bottom;
        }
        void unite(const Box& b);
    };
    struct Line {
        float x1, y1, x2, y2;
        std::uint32_t colour; // the same number for the same colour
        int width;
        int cap = 0; // the pen's ends, where a surface has more than one kind
        bool operator==(const Line& o) const {
            return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 && colour == o.colour &&
                   width == o.width && cap == o.cap;
        }
    };
    static constexpr std::size_t capacity = 160;

    // Whether the line stands as drawn: drawing it again would change no pixel.
    bool contains(const Line& line) const { return lines_.contains(line); }
    // The line has been drawn; `reach` is the area its pixels can lie in.
    void remember(const Line& line, const Box& reach);
    // Something of a colour is drawn over an area: the lines of other colours there are no
    // longer as they were.
    void covered(const Box& reach, std::uint32_t colour);
    // The picture has changed by other means: no line is known to stand as drawn.
    void forget();

private:
    struct Hash {
        std::size_t operator()(const Line& line) const;
    };
    void rebuildAreas();

    std::unordered_map<Line, Box, Hash> lines_;
    std::deque<Line> order_; // oldest first; may name lines let go since
    std::vector<std::pair<std::uint32_t, Box>> areas_; // per colour, where its lines lie
};

} // namespace ravo
