// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasSurface.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
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

} // namespace

void CanvasSurface::add(Kind kind, Role role, float a, float b, float c, float d) {
    batch_.insert(batch_.end(), {float(kind), float(role), float(penWidth_), a, b, c, d});
    if (batch_.size() >= batchRecords * recordFloats)
        present();
}

// The area a drawing's pixels can lie in, with a pixel to spare.
LineMemory::Box CanvasSurface::reachOf(float left, float top, float right, float bottom) const {
    const double margin = penWidth_ / 2.0 + 1;
    return {left - margin, top - margin, right + margin, bottom + margin};
}

void CanvasSurface::DrawLine(float x1, float y1, float x2, float y2, Role role) {
    if (!drawable(x1) || !drawable(y1) || !drawable(x2) || !drawable(y2))
        return;
    const LineMemory::Line line{x1, y1, x2, y2, colours_[std::size_t(role)], penWidth_};
    const bool slanted = x1 != x2 && y1 != y2;
    if (!slanted && lines_.contains(line)) {
        ++leftOut_; // drawn before, and nothing of another colour over it since
        return;
    }
    const LineMemory::Box reach =
        reachOf(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    lines_.covered(reach, line.colour);
    add(Line, role, x1, y1, x2, y2);
    if (!slanted)
        lines_.remember(line, reach);
}

void CanvasSurface::DrawCircle(float x, float y, float radius, Role role) {
    if (!drawable(x) || !drawable(y) || !drawable(radius))
        return;
    lines_.covered(reachOf(x - std::fabs(radius), y - std::fabs(radius), x + std::fabs(radius),
                           y + std::fabs(radius)),
                   colours_[std::size_t(role)]);
    add(Circle, role, x, y, radius, 0);
}

void CanvasSurface::forget() {
    lines_.forget();
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
