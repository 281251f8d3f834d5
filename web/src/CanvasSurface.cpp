// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasSurface.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace ravo::web {

namespace {

// The page's canvas draws a batch: count records of CanvasSurface::recordFloats floats at
// data, in the heap of the module, on the target canvas.
EM_JS(void, drawBatchOnCanvas, (const float* data, int count, int target), {
    const first = data >> 2;
    Module["ravoPicture"]["draw"](HEAPF32.subarray(first, first + count * 7), count, target);
});

EM_JS(void, showControlOnPage, (const char* name),
      { Module["ravoPicture"]["showControl"](UTF8ToString(name)); });

// As on the desktop: only plain finite numbers of moderate size reach the canvas.
bool drawable(float v) {
    return std::isfinite(v) && std::fabs(v) < 1e6f;
}

// A float's bits (std::bit_cast, which the page's C++ library lacks); + 0.0f makes -0 and 0,
// which compare equal, hash alike.
std::uint32_t bitsOf(float v) {
    v += 0.0f;
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

} // namespace

void CanvasSurface::Box::unite(const Box& b) {
    left = std::min(left, b.left);
    top = std::min(top, b.top);
    right = std::max(right, b.right);
    bottom = std::max(bottom, b.bottom);
}

std::size_t CanvasSurface::RememberedHash::operator()(const Remembered& r) const {
    std::uint64_t h = bitsOf(r.x1);
    for (const std::uint32_t v :
         {bitsOf(r.y1), bitsOf(r.x2), bitsOf(r.y2), r.colour, std::uint32_t(r.width)})
        h = h * 0x9E3779B97F4A7C15ull + v;
    return std::size_t(h ^ (h >> 29));
}

void CanvasSurface::add(Kind kind, Role role, float a, float b, float c, float d) {
    batch_.insert(batch_.end(), {float(kind), float(role), float(penWidth_), a, b, c, d});
    if (batch_.size() >= batchRecords * recordFloats)
        present();
}

// The area a drawing's pixels can lie in, with a pixel to spare.
CanvasSurface::Box CanvasSurface::reachOf(float left, float top, float right,
                                          float bottom) const {
    const float margin = float(penWidth_) / 2 + 1;
    return {left - margin, top - margin, right + margin, bottom + margin};
}

void CanvasSurface::DrawLine(float x1, float y1, float x2, float y2, Role role) {
    if (!drawable(x1) || !drawable(y1) || !drawable(x2) || !drawable(y2))
        return;
    const std::uint32_t colour = colours_[std::size_t(role)];
    const bool slanted = x1 != x2 && y1 != y2;
    const Box reach = reachOf(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                              std::max(y1, y2));
    const Remembered line{x1, y1, x2, y2, colour, penWidth_, reach};
    if (!slanted && remembered_.contains(line)) {
        ++leftOut_; // drawn before, and nothing of another colour over it since
        return;
    }
    covered(reach, colour);
    add(Line, role, x1, y1, x2, y2);
    if (!slanted)
        remember(line);
}

void CanvasSurface::DrawCircle(float x, float y, float radius, Role role) {
    if (!drawable(x) || !drawable(y) || !drawable(radius))
        return;
    covered(reachOf(x - std::fabs(radius), y - std::fabs(radius), x + std::fabs(radius),
                    y + std::fabs(radius)),
            colours_[std::size_t(role)]);
    add(Circle, role, x, y, radius, 0);
}

void CanvasSurface::remember(const Remembered& line) {
    if (!remembered_.insert(line).second)
        return;
    rememberedOrder_.push_back(line);
    while (remembered_.size() > maxRemembered && !rememberedOrder_.empty()) {
        remembered_.erase(rememberedOrder_.front());
        rememberedOrder_.pop_front();
    }
    if (rememberedOrder_.size() > 4 * maxRemembered) // mostly lines let go already
        std::erase_if(rememberedOrder_,
                      [&](const Remembered& r) { return !remembered_.contains(r); });
    const auto area = std::find_if(areas_.begin(), areas_.end(),
                                   [&](const auto& a) { return a.first == line.colour; });
    if (area == areas_.end())
        areas_.emplace_back(line.colour, line.reach);
    else
        area->second.unite(line.reach);
}

// Something of a colour is drawn over an area: the remembered lines of other colours there
// are no longer as they were. A colour's area is made anew only when a line of it was let
// go: until then it may be larger than its lines, never smaller.
void CanvasSurface::covered(const Box& reach, std::uint32_t colour) {
    if (std::none_of(areas_.begin(), areas_.end(), [&](const auto& a) {
            return a.first != colour && a.second.overlaps(reach);
        }))
        return;
    const std::size_t before = remembered_.size();
    std::erase_if(remembered_, [&](const Remembered& r) {
        return r.colour != colour && r.reach.overlaps(reach);
    });
    if (remembered_.size() != before)
        rebuildAreas();
}

void CanvasSurface::rebuildAreas() {
    areas_.clear();
    for (const Remembered& r : remembered_) {
        const auto area = std::find_if(areas_.begin(), areas_.end(),
                                       [&](const auto& a) { return a.first == r.colour; });
        if (area == areas_.end())
            areas_.emplace_back(r.colour, r.reach);
        else
            area->second.unite(r.reach);
    }
}

void CanvasSurface::forget() {
    remembered_.clear();
    rememberedOrder_.clear();
    areas_.clear();
}

void CanvasSurface::setColours(const std::array<std::uint32_t, roleCount>& colours) {
    if (colours != colours_)
        forget();
    colours_ = colours;
}

void CanvasSurface::ShowControl(std::string_view controlName) {
    present(); // what was drawn before the control shows comes first
    showControlOnPage(std::string(controlName).c_str());
}

void CanvasSurface::present() {
    if (batch_.empty())
        return;
    const int count = int(batch_.size() / recordFloats);
    drawBatchOnCanvas(batch_.data(), count, int(target_));
    drawn_ += count;
    batch_.clear();
}

} // namespace ravo::web
