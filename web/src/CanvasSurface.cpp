// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasSurface.h"

#include <emscripten.h>

#include <cmath>
#include <string>

namespace ravo::web {

namespace {

// The page's canvas draws a batch: count records of CanvasSurface::recordFloats floats at
// data, in the heap of the module.
EM_JS(void, drawBatchOnCanvas, (const float* data, int count), {
    const first = data >> 2;
    Module["ravoPicture"]["draw"](HEAPF32.subarray(first, first + count * 7), count);
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

void CanvasSurface::DrawLine(float x1, float y1, float x2, float y2, Role role) {
    if (drawable(x1) && drawable(y1) && drawable(x2) && drawable(y2))
        add(Line, role, x1, y1, x2, y2);
}

void CanvasSurface::DrawCircle(float x, float y, float radius, Role role) {
    if (drawable(x) && drawable(y) && drawable(radius))
        add(Circle, role, x, y, radius, 0);
}

void CanvasSurface::ShowControl(std::string_view controlName) {
    present(); // what was drawn before the control shows comes first
    showControlOnPage(std::string(controlName).c_str());
}

void CanvasSurface::present() {
    if (batch_.empty())
        return;
    const int count = int(batch_.size() / recordFloats);
    drawBatchOnCanvas(batch_.data(), count);
    drawn_ += count;
    batch_.clear();
}

} // namespace ravo::web
