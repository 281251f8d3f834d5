// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineMemory.h"

#include <algorithm>
#include <cstring>

namespace ravo {

namespace {

// A float's bits (std::bit_cast, which the page's C++ library lacks); + 0.0f makes -0 and 0,
// which compare equal, hash alike.
std::uint32_t bitsOf(float v) {
    v += 0.0f;
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

} // namespace

void LineMemory::Box::unite(const Box& b) {
    left = std::min(left, b.left);
    top = std::min(top, b.top);
    right = std::max(right, b.right);
    bottom = std::max(bottom, b.bottom);
}

std::size_t LineMemory::Hash::operator()(const Line& line) const {
    std::uint64_t h = bitsOf(line.x1);
    for (const std::uint32_t v : {bitsOf(line.y1), bitsOf(line.x2), bitsOf(line.y2), line.colour,
                                  std::uint32_t(line.width), std::uint32_t(line.cap)})
        h = h * 0x9E3779B97F4A7C15ull + v;
    return std::size_t(h ^ (h >> 29));
}

void LineMemory::remember(const Line& line, const Box& reach) {
    if (!lines_.emplace(line, reach).second)
        return;
    order_.push_back(line);
    while (lines_.size() > capacity && !order_.empty()) {
        lines_.erase(order_.front());
        order_.pop_front();
    }
    if (order_.size() > 4 * capacity) // mostly lines let go already
        std::erase_if(order_, [&](const Line& l) { return !lines_.contains(l); });
    const auto area = std::find_if(areas_.begin(), areas_.end(),
                                   [&](const auto& a) { return a.first == line.colour; });
    if (area == areas_.end())
        areas_.emplace_back(line.colour, reach);
    else
        area->second.unite(reach);
}

// A colour's area is made anew only when a line of it was let go: until then it may be
// larger than its lines, never smaller.
void LineMemory::covered(const Box& reach, std::uint32_t colour) {
    if (std::none_of(areas_.begin(), areas_.end(), [&](const auto& a) {
            return a.first != colour && a.second.overlaps(reach);
        }))
        return;
    const std::size_t before = lines_.size();
    std::erase_if(lines_, [&](const auto& entry) {
        return entry.first.colour != colour && entry.second.overlaps(reach);
    });
    if (lines_.size() != before)
        rebuildAreas();
}

void LineMemory::rebuildAreas() {
    areas_.clear();
    for (const auto& entry : lines_) {
        const std::uint32_t colour = entry.first.colour;
        const auto area = std::find_if(areas_.begin(), areas_.end(),
                                       [&](const auto& a) { return a.first == colour; });
        if (area == areas_.end())
            areas_.emplace_back(colour, entry.second);
        else
            area->second.unite(entry.second);
    }
}

void LineMemory::forget() {
    lines_.clear();
    order_.clear();
    areas_.clear();
}

} // namespace ravo
